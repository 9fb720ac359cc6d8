"""The control socket from outside: what a client may do, what it may not, and that neither program is hurt by it."""

import json
import os
import socket
import stat
import subprocess
import threading
import time

import pytest

from zandorex import Connection, Console, Failure, Pendant, Timeout, find_program, ignore


def raw(address):
    client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    client.connect(address)
    client.settimeout(10)
    return client, client.makefile("rwb")


def hang_up(client):
    client.shutdown(socket.SHUT_RDWR)  # close() alone leaves the connection to its stream
    client.close()


def ask(stream, payload: bytes):
    stream.write(payload + b"\n")
    stream.flush()
    return json.loads(stream.readline())


@pytest.mark.parametrize("payload, code", [
    (b"this is not JSON", -32700),
    (b"[1, 2]", -32600),
    (b'{"id": 1, "method": "window.press", "params": ["Open"]}', -32600),
    (b'{"jsonrpc": "2.0", "id": 1, "method": 7}', -32600),
    (b'{"jsonrpc": "2.0", "id": 1, "method": "window.press", "params": "Open"}', -32602),
    (b'{"jsonrpc": "2.0", "id": 1, "method": "window.nothing"}', -32601),
    (b'{"jsonrpc": "2.0", "id": 1, "method": "pendant.press", "params": ["F1"]}', -32601),
    (b'{"jsonrpc": "2.0", "id": 1, "method": "controller.execute", "params": ["Beep", {"i8": 1}]}', -32000),
    (b'{"jsonrpc": "2.0", "id": 1, "method": "window.press", "params": [{"no": "such"}]}', -32000),
])
def test_bad_requests_are_answered_with_an_error_and_change_nothing(zandorex_simulated, payload, code):
    _, stream = raw(zandorex_simulated.address)
    assert ask(stream, payload)["error"]["code"] == code
    # The console is as it was, for this client and the others.
    assert zandorex_simulated.window.enabled("Open")
    assert ask(stream, b'{"jsonrpc": "2.0", "id": 2, "method": "window.title"}')["result"] == "Omnivar Zandorex"


def test_a_line_over_a_mebibyte_closes_the_connection(zandorex_simulated):
    client, stream = raw(zandorex_simulated.address)
    client.sendall(b"x" * (1 << 20) + b"y" * 1024)
    answer = json.loads(stream.readline())
    assert answer["error"]["code"] == -32600
    assert stream.readline() == b""
    assert zandorex_simulated.window.title() == "Omnivar Zandorex"


def test_calls_of_two_clients_run_one_at_a_time_in_arrival_order(zandorex_simulated):
    second = Connection(zandorex_simulated.address)
    zandorex_simulated.window.press("Open")
    # A wait of the first client holds the second's call until it is over.
    waiting = threading.Thread(target=lambda: pytest.raises(Timeout, zandorex_simulated.log.expect, "never", 0.5))
    started = time.monotonic()
    waiting.start()
    time.sleep(0.1)
    assert second.call("log.count") >= 0
    assert time.monotonic() - started >= 0.45
    waiting.join()
    second.close()


def test_a_client_gone_mid_call_leaves_the_console_working(zandorex_simulated):
    client, stream = raw(zandorex_simulated.address)
    stream.write(b'{"jsonrpc": "2.0", "id": 1, "method": "log.expect", "params": ["never", 2000]}\n')
    stream.flush()
    hang_up(client)
    zandorex_simulated.window.press("Open")
    zandorex_simulated.window.press("Beep")
    assert zandorex_simulated.log.expect("Beep : 1000", timeout=5.0)


def test_a_handler_that_does_not_answer_in_time_leaves_the_pendant_answering(zandorex_console, zandorex_pendant):
    seen = threading.Event()

    @zandorex_pendant.on("Beep", deadline=0.2)
    def slow(request):
        seen.set()
        time.sleep(0.5)

    zandorex_console.window.press("Beep")
    zandorex_console.log.expect("Beep : 1000", timeout=2.0)
    assert seen.is_set()


def test_a_client_gone_mid_handler_leaves_the_pendant_answering(zandorex_console, zandorex_pendant):
    client, stream = raw(zandorex_pendant.address)
    assert ask(stream, b'{"jsonrpc": "2.0", "id": 1, "method": "pendant.on", "params": ["LED", 60000]}')["result"] is True
    done = threading.Thread(target=zandorex_console.window.press, args=("LED On",))
    done.start()
    request = json.loads(stream.readline())
    assert request["method"] == "pendant.request" and request["params"]["kind"] == "LED"
    hang_up(client)
    done.join(timeout=10)
    zandorex_console.log.expect("LED : 1, 1", timeout=2.0)


def test_an_ignored_request_fails_in_the_console(zandorex_console, zandorex_pendant):
    zandorex_pendant.on("Backlight")(lambda request: ignore())
    zandorex_console.window.press("Backlight Off")
    zandorex_console.log.expect("Failed : Backlight Off", timeout=3.0)


def test_the_unix_socket_is_the_owners_alone_and_goes_with_the_program(zandorex_pendant):
    path = zandorex_pendant.address
    assert stat.S_IMODE(os.stat(path).st_mode) == 0o600
    assert zandorex_pendant.close() == 143
    assert not os.path.exists(path)


@pytest.mark.parametrize("address", ["0.0.0.0:0", "192.168.1.10:7000", "[::]:0", "localhost:7000"])
def test_anything_but_loopback_is_refused_at_start(address, tmp_path, request):
    program = find_program("zandorex-pendant", request.config.getoption("--zandorex-bin"))
    done = subprocess.run([program, "--headless", "--udp", "127.0.0.1:0", "--peer", "127.0.0.1:9", "--control", address,
                 "--control-token", str(tmp_path / "token")], capture_output=True, text=True, timeout=30)
    assert done.returncode == 2
    assert "only 127.0.0.1 and [::1]" in done.stderr


def test_tcp_takes_only_a_client_that_gives_the_token(tmp_path, request):
    token_file = tmp_path / "token"
    process = subprocess.Popen([find_program("zandorex-pendant", request.config.getoption("--zandorex-bin")), "--headless",
                                "--udp", "127.0.0.1:0", "--peer", "127.0.0.1:9", "--control", "127.0.0.1:0",
                                "--control-token", str(token_file)], stdout=subprocess.PIPE, text=True)
    try:
        address = None
        for line in process.stdout:
            if ": control on tcp:" in line:
                address = line.split(": control on ")[1].strip()
                break
        assert stat.S_IMODE(os.stat(token_file).st_mode) == 0o600
        host, port = address[4:].rsplit(":", 1)
        stranger = socket.create_connection((host, int(port)), timeout=10)
        stranger.sendall(b'{"jsonrpc": "2.0", "id": 1, "method": "pendant.keyState"}\n')
        assert stranger.recv(100) == b""  # closed, nothing answered
        client = Connection(address, token=token_file.read_text())
        assert client.call("pendant.keyState") == [0] * 8
        client.close()
    finally:
        process.terminate()
        process.wait(timeout=10)
