"""A JSON-RPC 2.0 connection to one program's control socket: calls with their answers, notifications to handlers."""

from __future__ import annotations

import itertools
import json
import queue
import select
import socket
import threading
import time
from typing import Any, Callable


class Failure(Exception):
    """A call failed as it fails in a script: the program's message, and the engine's status where there is one."""

    def __init__(self, message: str, status: int | None = None, detail: str | None = None, code: int | None = None):
        super().__init__(message)
        self.message = message
        self.status = status
        self.detail = detail
        self.code = code

    def __str__(self) -> str:
        return self.message if self.detail is None else f"{self.message}\n{self.detail}"


class Timeout(Failure):
    """A wait ran out of time: log.expect, expect_request."""


TIMED_OUT = -32001
# How long a call may take beyond its own wait before the connection is taken for dead.
_SLACK_S = 60.0


class Connection:
    """One client connection. Calls are answered in order; notifications go to `on_notification` in a thread of
    their own, so that a handler may make calls. A caller reads its own answer from the socket (a hand-over from
    another thread costs more than the call itself); between calls, a reader thread takes the notifications."""

    def __init__(self, address: str, token: str | None = None, connect_timeout: float = 10.0):
        if address.startswith("tcp:"):
            host, _, port = address[4:].rpartition(":")
            self._socket = socket.create_connection((host.strip("[]"), int(port)), timeout=connect_timeout)
        else:
            path = address[5:] if address.startswith("unix:") else address
            self._socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            self._socket.settimeout(connect_timeout)
            self._socket.connect(path)
        self._socket.settimeout(None)
        self._send_lock = threading.Lock()
        self._read_lock = threading.Lock()  # whoever holds it reads the socket
        self._buffer = b""
        self._ids = itertools.count(1)
        self._answers: dict[int, dict] = {}
        self._state = threading.Condition()  # guards _answers, _calling, _closed
        self._calling = 0
        self._closed = False
        self._notifications: queue.Queue = queue.Queue()
        self.on_notification: Callable[[str, Any], None] | None = None
        if token is not None:
            self._socket.sendall(token.encode() + b"\n")
        self._reader = threading.Thread(target=self._read_between_calls, name="zandorex-reader", daemon=True)
        self._reader.start()
        self._dispatcher = threading.Thread(target=self._dispatch, name="zandorex-notifications", daemon=True)
        self._dispatcher.start()

    def call(self, method: str, *params: Any, wait_s: float = 0.0) -> Any:
        """Calls METHOD with PARAMS and returns its result; raises Failure or Timeout as the program answers."""
        call_id = next(self._ids)
        with self._state:
            if self._closed:
                raise Failure("the connection to the program is closed")
            self._calling += 1
        try:
            self.send({"jsonrpc": "2.0", "id": call_id, "method": method, "params": list(params)})
            answer = self._await(call_id, time.monotonic() + wait_s + _SLACK_S)
        finally:
            with self._state:
                self._calling -= 1
                self._state.notify_all()
        if answer is None:
            raise Failure(f"{method}: the program did not answer within {wait_s + _SLACK_S:.0f} s")
        if "error" in answer:
            error = answer["error"]
            data = error.get("data") or {}
            kind = Timeout if error.get("code") == TIMED_OUT else Failure
            raise kind(error.get("message", "failed"), data.get("status"), data.get("detail"), error.get("code"))
        return answer.get("result")

    def notify(self, method: str, *params: Any) -> None:
        self.send({"jsonrpc": "2.0", "method": method, "params": list(params)})

    def send(self, message: dict) -> None:
        line = json.dumps(message, ensure_ascii=False).encode() + b"\n"
        with self._send_lock:
            try:
                self._socket.sendall(line)
            except OSError as error:
                raise Failure(f"the connection to the program is closed: {error}") from error

    def close(self) -> None:
        try:
            self._socket.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self._socket.close()
        self._ended()
        self._reader.join(timeout=5)

    def _await(self, call_id: int, deadline: float) -> dict | None:
        while True:
            with self._state:
                if call_id in self._answers:
                    return self._answers.pop(call_id)
                if self._closed:
                    return {"error": {"code": -32002, "message": "the program ended or closed the connection"}}
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return None
            if self._read_lock.acquire(timeout=min(remaining, 0.05)):
                try:
                    with self._state:
                        if call_id in self._answers or self._closed:
                            continue
                    self._read_some(min(remaining, 0.05))
                finally:
                    self._read_lock.release()

    # Reads what comes within TIMEOUT; the read lock is held.
    def _read_some(self, timeout: float) -> None:
        try:
            readable, _, _ = select.select([self._socket], [], [], timeout)
            if not readable:
                return
            chunk = self._socket.recv(1 << 16, socket.MSG_DONTWAIT)
        except BlockingIOError:
            return
        except (OSError, ValueError):
            chunk = b""
        if not chunk:
            self._ended()
            return
        self._buffer += chunk
        *lines, self._buffer = self._buffer.split(b"\n")
        for line in lines:
            try:
                message = json.loads(line)
            except ValueError:
                continue
            if "id" in message and ("result" in message or "error" in message):
                with self._state:
                    self._answers[message["id"]] = message
                    self._state.notify_all()
            elif "method" in message:
                self._notifications.put((message["method"], message.get("params")))

    def _read_between_calls(self) -> None:
        while True:
            with self._state:
                while self._calling and not self._closed:
                    self._state.wait()
                if self._closed:
                    return
            with self._read_lock:
                self._read_some(0.05)

    def _ended(self) -> None:
        with self._state:
            if self._closed:
                return
            self._closed = True
            self._state.notify_all()
        self._notifications.put(None)

    def _dispatch(self) -> None:
        while (item := self._notifications.get()) is not None:
            if self.on_notification is not None:
                self.on_notification(*item)
