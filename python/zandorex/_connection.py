"""A JSON-RPC 2.0 connection to one program's control socket: calls with their answers, notifications to handlers."""

from __future__ import annotations

import itertools
import json
import queue
import socket
import threading
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
    their own, so that a handler may make calls."""

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
        self._ids = itertools.count(1)
        self._pending: dict[int, tuple[threading.Event, list]] = {}
        self._pending_lock = threading.Lock()
        self._closed = False
        self._notifications: queue.Queue = queue.Queue()
        self.on_notification: Callable[[str, Any], None] | None = None
        if token is not None:
            self._socket.sendall(token.encode() + b"\n")
        self._reader = threading.Thread(target=self._read, name="zandorex-reader", daemon=True)
        self._reader.start()
        self._dispatcher = threading.Thread(target=self._dispatch, name="zandorex-notifications", daemon=True)
        self._dispatcher.start()

    def call(self, method: str, *params: Any, wait_s: float = 0.0) -> Any:
        """Calls METHOD with PARAMS and returns its result; raises Failure or Timeout as the program answers."""
        call_id = next(self._ids)
        done = threading.Event()
        box: list = []
        with self._pending_lock:
            if self._closed:
                raise Failure("the connection to the program is closed")
            self._pending[call_id] = (done, box)
        self.send({"jsonrpc": "2.0", "id": call_id, "method": method, "params": list(params)})
        if not done.wait(wait_s + _SLACK_S):
            with self._pending_lock:
                self._pending.pop(call_id, None)
            raise Failure(f"{method}: the program did not answer within {wait_s + _SLACK_S:.0f} s")
        answer = box[0]
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
        self._reader.join(timeout=5)

    def _read(self) -> None:
        stream = self._socket.makefile("rb")
        try:
            for line in stream:
                try:
                    message = json.loads(line)
                except ValueError:
                    continue
                if "id" in message and ("result" in message or "error" in message):
                    with self._pending_lock:
                        waiting = self._pending.pop(message["id"], None)
                    if waiting:
                        waiting[1].append(message)
                        waiting[0].set()
                elif "method" in message:
                    self._notifications.put((message["method"], message.get("params")))
        except OSError:
            pass
        finally:
            with self._pending_lock:
                self._closed = True
                pending, self._pending = self._pending, {}
            for done, box in pending.values():
                box.append({"error": {"code": -32002, "message": "the program ended or closed the connection"}})
                done.set()
            self._notifications.put(None)

    def _dispatch(self) -> None:
        while (item := self._notifications.get()) is not None:
            if self.on_notification is not None:
                self.on_notification(*item)
