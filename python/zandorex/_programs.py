"""Console and Pendant: each a program started headless (or attached to by address) and driven over its control
socket, with the objects and functions a script has, under Python names."""

from __future__ import annotations

import os
import re
import shutil
import signal
import socket
import subprocess
import tempfile
import threading
import time
from collections import deque
from typing import Any, Callable, Iterable

from ._connection import Connection, Failure

_START_TIMEOUT_S = 30.0
_MISSING = object()


def i2(n: int) -> dict:
    """N as a 16-bit integer for the engine (a script's i2(n))."""
    return {"i2": n}


def i4(n: int) -> dict:
    """N as a 32-bit integer for the engine (a script's i4(n))."""
    return {"i4": n}


def free_udp_port() -> int:
    """A UDP port on 127.0.0.1 that nothing uses now."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def _ms(seconds: float | None) -> int | None:
    return None if seconds is None else int(round(seconds * 1000))


def _pattern(pattern: str | re.Pattern) -> Any:
    if isinstance(pattern, re.Pattern):
        flags = ("i" if pattern.flags & re.IGNORECASE else "") + ("m" if pattern.flags & re.MULTILINE else "")
        return {"regexp": pattern.pattern, "flags": flags}
    return pattern


def _args(*values: Any) -> list:
    """The arguments up to the last one given: a left-out argument takes the program's default."""
    given = list(values)
    while given and given[-1] is _MISSING:
        given.pop()
    return [None if value is _MISSING else value for value in given]


def find_program(name: str, bin_dir: str | os.PathLike | None = None) -> str:
    """The program's path: in BIN_DIR, else in $ZANDOREX_BIN, else on PATH."""
    for folder in (bin_dir, os.environ.get("ZANDOREX_BIN")):
        if folder:
            path = os.path.join(folder, name)
            if os.access(path, os.X_OK):
                return path
    found = shutil.which(name)
    if found is None:
        raise FileNotFoundError(f"{name} is neither in the given folder, nor in $ZANDOREX_BIN, nor on PATH")
    return found


class _Program:
    """A program with a control socket: started and stopped here, or attached to by its address."""

    name = ""

    def __init__(self, arguments: list[str] | None, address: str | None, token: str | None,
                 bin_dir: str | os.PathLike | None, headless: bool):
        self.process: subprocess.Popen | None = None
        self.stderr_lines: deque[str] = deque(maxlen=2000)
        self.ready_lines: list[str] = []
        self._folder = None
        if address is None:
            self._folder = tempfile.TemporaryDirectory(prefix="zandorex-")
            address = os.path.join(self._folder.name, "control.sock")
            command = [find_program(self.name, bin_dir)] + (["--headless"] if headless else []) + (arguments or [])
            command += ["--control", address]
            self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                            stderr=subprocess.PIPE, text=True, start_new_session=True)
            threading.Thread(target=self._keep_stderr, daemon=True).start()
            self._wait_for_control()
        self.address = address
        try:
            self.connection = Connection(address, token)
        except OSError:
            self.close()
            raise

    def _keep_stderr(self) -> None:
        for line in self.process.stderr:
            self.stderr_lines.append(line.rstrip("\n"))

    def _wait_for_control(self) -> None:
        found = threading.Event()

        def read() -> None:
            for line in self.process.stdout:
                self.ready_lines.append(line.rstrip("\n"))
                if ": control on " in line:
                    found.set()
            found.set()

        threading.Thread(target=read, daemon=True).start()
        if not found.wait(_START_TIMEOUT_S) or not any(": control on " in line for line in self.ready_lines):
            self.close()
            raise Failure(f"{self.name} did not start: " + "\n".join(list(self.ready_lines) + list(self.stderr_lines)))

    @property
    def stderr(self) -> str:
        """What the program wrote on standard error so far (its last 2,000 lines)."""
        return "\n".join(self.stderr_lines)

    def call(self, method: str, *params: Any, wait_s: float = 0.0) -> Any:
        """Any method of docs/control.md by its name, with the arguments a script passes."""
        return self.connection.call(method, *params, wait_s=wait_s)

    def close(self) -> int | None:
        """Closes the connection and, if it was started here, ends the program (SIGTERM, then SIGKILL); returns its
        exit status."""
        connection = getattr(self, "connection", None)
        if connection is not None:
            connection.close()
        status = None
        if self.process is not None:
            if self.process.poll() is None:
                self.process.send_signal(signal.SIGTERM)
                try:
                    self.process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    self.process.kill()
                    self.process.wait()
            status = self.process.returncode
        if self._folder is not None:
            self._folder.cleanup()
        return status

    def __enter__(self):
        return self

    def __exit__(self, *exception) -> None:
        self.close()


class _Window:
    """The console's controls (docs/scripting.md, `window`)."""

    def __init__(self, program: _Program):
        self._call = program.call

    def set(self, name: str, text: str) -> None:
        """Types TEXT into a text box (an IP address control takes a dotted address)."""
        self._call("window.set", name, str(text))

    def press(self, name: str) -> None:
        """Clicks a button or a check box; returns once its handler has and the lines it caused are logged."""
        self._call("window.press", name)

    def check(self, name: str, on: bool = True) -> None:
        """Clicks a check box if it is not already ON."""
        self._call("window.check", name, on)

    def choose(self, name: str, item: str) -> None:
        """Selects ITEM in a drop-down list."""
        self._call("window.choose", name, item)

    def tab(self, caption: str) -> None:
        """Brings the tab with that caption to the front."""
        self._call("window.tab", caption)

    def text(self, name: str) -> str:
        """A text box's text, a list's item, a button's caption, an address as dotted text."""
        return self._call("window.text", name)

    def enabled(self, name: str) -> bool:
        return self._call("window.enabled", name)

    def checked(self, name: str) -> bool:
        return self._call("window.checked", name)

    def shown(self, name: str) -> bool:
        return self._call("window.shown", name)

    def title(self) -> str:
        """The title of the window that takes input (the console, or the modal dialog that is up)."""
        return self._call("window.title")

    def controls(self) -> list[str]:
        """Every control of that window: objectName and the name a script may use."""
        return self._call("window.controls")


class _Log:
    """The console's event log (docs/scripting.md, `log`). Times are in seconds."""

    def __init__(self, program: _Program):
        self._program = program
        self._call = program.call
        self._subscribers: list[Callable[[str], None]] = []

    @property
    def count(self) -> int:
        return self._call("log.count")

    def lines(self, start: int | None = None, end: int | None = None) -> list[str]:
        return self._call("log.lines", *_args(_MISSING if start is None else start, _MISSING if end is None else end))

    def mark(self) -> int:
        """Remembers the line count as the start of the next waits, and returns it."""
        return self._call("log.mark")

    def expect(self, pattern: str | re.Pattern, timeout: float = 5.0, start: int | None = None) -> str:
        """Waits for a line equal to PATTERN (a text) or matching it (a compiled re); raises Timeout."""
        return self._call("log.expect", *_args(_pattern(pattern), _ms(timeout), _MISSING if start is None else start),
                          wait_s=timeout)

    def expect_none(self, pattern: str | re.Pattern, duration: float = 5.0, start: int | None = None) -> None:
        """Waits DURATION and fails if a matching line is there or comes."""
        self._call("log.expectNone", *_args(_pattern(pattern), _ms(duration), _MISSING if start is None else start),
                   wait_s=duration)

    def subscribe(self, callback: Callable[[str], None]) -> None:
        """Calls CALLBACK with each line that enters the log from now on (in a thread of the client's own)."""
        self._subscribers.append(callback)
        if len(self._subscribers) == 1:
            self._call("log.subscribe")

    def _line(self, line: str) -> None:
        for callback in list(self._subscribers):
            callback(line)


class _Controller:
    """The open connection's engine calls (docs/scripting.md, `controller`)."""

    def __init__(self, program: _Program):
        self._call = program.call

    def execute(self, command: str, value: Any = _MISSING) -> Any:
        """Runs a provider command and returns its result; raises Failure with the engine's status."""
        return self._call("controller.execute", *_args(command, value))

    def set_variable(self, name: str, value: Any) -> None:
        self._call("controller.setVariable", name, value)


class Console(_Program):
    """zandorex, headless, with its control socket. With PENDANT (a Pendant), it is connected to it over UDP on
    free loopback ports; with simulated=True, it runs on its built-in pendant (press "Open" to connect)."""

    name = "zandorex"

    def __init__(self, pendant: "Pendant | None" = None, *, simulated: bool = False, address: str | None = None,
                 token: str | None = None, bin_dir: str | os.PathLike | None = None, headless: bool = True,
                 arguments: Iterable[str] = ()):
        super().__init__((["--simulated-pendant"] if simulated else []) + list(arguments), address, token, bin_dir,
                         headless)
        self.window = _Window(self)
        self.log = _Log(self)
        self.controller = _Controller(self)
        self.connection.on_notification = self._notified
        if pendant is not None:
            self.open_udp(pendant)

    def open_udp(self, pendant: "Pendant") -> None:
        """Types the pendant's loopback addresses into the UDP tab and presses Open."""
        self.window.tab("UDP")
        self.window.set("Dest IP", "127.0.0.1")
        self.window.set("Dest Port", str(pendant.port))
        self.window.set("Src IP", "127.0.0.1")
        self.window.set("Src Port", str(pendant.console_port))
        self.window.press("Open")
        if self.call("window.enabled", "Open"):
            raise Failure("Open failed: " + " | ".join(self.log.lines(max(self.log.count - 5, 0))))

    def last_lines(self, count: int = 20) -> list[str]:
        """The log's last lines, for a report."""
        total = self.log.count
        return self.log.lines(max(total - count, 0))

    def _notified(self, method: str, params: Any) -> None:
        if method == "log.line":
            self.log._line(params["line"])


class Pendant(_Program):
    """zandorex-pendant, headless, over UDP on 127.0.0.1: it listens on a free port (`port`) and answers the console
    on `console_port` (a free one unless given)."""

    name = "zandorex-pendant"

    def __init__(self, console_port: int | None = None, *, address: str | None = None, token: str | None = None,
                 bin_dir: str | os.PathLike | None = None, headless: bool = True, arguments: Iterable[str] | None = None):
        self.console_port = console_port or free_udp_port()
        link = list(arguments) if arguments is not None else [
            "--udp", "127.0.0.1:0", "--peer", f"127.0.0.1:{self.console_port}"]
        self._handlers: dict[str, Callable] = {}
        self.handler_errors: list[BaseException] = []  # what the handlers raised; the pendant answered as usual
        super().__init__(link, address, token, bin_dir, headless)
        self.port = 0
        for line in self.ready_lines:
            found = re.search(r"ready on UDP 127\.0\.0\.1:(\d+)", line)
            if found:
                self.port = int(found.group(1))
        self.connection.on_notification = self._notified

    # Input, as a person's clicks on the pendant's window.
    def press(self, key: str | int | list, ms: int | None = None) -> None:
        """Presses KEY (a caption, a number, or a list of them), holds it MS (default 100), releases it."""
        keys = len(key) if isinstance(key, list) else 1
        self.call("pendant.press", *_args(key, _MISSING if ms is None else ms), wait_s=keys * (100 if ms is None else ms) / 1000)

    def key_down(self, key: str | int) -> None:
        self.call("pendant.keyDown", key)

    def key_up(self, key: str | int) -> None:
        self.call("pendant.keyUp", key)

    def touch(self, x: int, y: int, ms: int | None = None) -> None:
        self.call("pendant.touch", *_args(x, y, _MISSING if ms is None else ms), wait_s=(ms or 100) / 1000)

    def drag(self, points: list, ms: int | None = None) -> None:
        self.call("pendant.drag", *_args(points, _MISSING if ms is None else ms), wait_s=(ms or 100 * len(points)) / 1000)

    def lcd_text(self, text: str) -> None:
        self.call("pendant.lcdText", text)

    def silent(self, ms: int) -> None:
        """Sends and answers nothing for MS, then carries on."""
        self.call("pendant.silent", ms, wait_s=ms / 1000)

    # What the console made it do.
    def expect_request(self, kind: str, timeout: float = 5.0) -> dict:
        """The next request of KIND ("*": any) within TIMEOUT; raises Timeout."""
        return self.call("pendant.expectRequest", kind, _ms(timeout), wait_s=timeout)

    def led(self, n: int) -> int:
        return self.call("pendant.led", n)

    @property
    def backlight(self) -> bool:
        return self.call("pendant.backlight")

    @property
    def beeps(self) -> list[int]:
        return self.call("pendant.beeps")

    def key_state(self) -> list[int]:
        return self.call("pendant.keyState")

    def lcd_pixel(self, x: int, y: int) -> str:
        return self.call("pendant.lcdPixel", x, y)

    def save_lcd(self, path: str | os.PathLike) -> None:
        self.call("pendant.saveLcd", os.fspath(path))

    # Deciding requests.
    def on(self, kind: str, deadline: float = 5.0) -> Callable:
        """Decorator: each request of KIND ("*": any kind without a handler of its own) goes to the function,
        which returns None (answered as usual), refuse(reason), ignore(), delay(seconds) or numbers([...]). Without
        an answer within DEADLINE the pendant answers as usual."""

        def register(handler: Callable[[dict], Any]) -> Callable:
            self._handlers[kind] = handler
            self.call("pendant.on", kind, _ms(deadline))
            return handler

        return register

    def off(self, kind: str) -> None:
        self._handlers.pop(kind, None)
        self.call("pendant.off", kind)

    def _notified(self, method: str, params: Any) -> None:
        if method != "pendant.request":
            return
        handler = self._handlers.get(params["kind"])
        answer: dict = {"answer": "done"}
        if handler is not None:
            try:
                verdict = handler(params["request"])
            except Exception as error:  # the pendant goes on; the test sees the error when it looks
                self.handler_errors.append(error)
                verdict = None
            if verdict is not None:
                answer = dict(verdict)
        answer["token"] = params["token"]
        try:
            self.connection.notify("pendant.answer", answer)
        except Failure:
            pass  # the pendant is being closed: nobody waits for the answer


def refuse(reason: str) -> dict:
    """A handler's answer: refuse the request with REASON."""
    return {"answer": "refuse", "reason": reason}


def ignore() -> dict:
    """A handler's answer: no answer at all."""
    return {"answer": "ignore"}


def delay(seconds: float) -> dict:
    """A handler's answer: carry it out and answer SECONDS later."""
    return {"answer": "done", "delayMs": _ms(seconds)}


def numbers(values: list[int]) -> dict:
    """A handler's answer: carry it out and answer with these numbers instead of the pendant's own."""
    return {"answer": "done", "numbers": list(values)}
