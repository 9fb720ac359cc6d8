"""What examples/scripts/smoke.js checks, from pytest: every output button and the key-state query, each checked by
its log line, and the same commands through the engine.

    PYTHONPATH=python pytest -p zandorex.pytest_plugin --zandorex-bin build/src/app examples/python
"""

import pytest

from zandorex import Failure, i2


def test_beep(zandorex_console):
    zandorex_console.window.set("Time (ms)", "200")
    zandorex_console.window.press("Beep")
    zandorex_console.log.expect("Beep : 200", timeout=2.0)


@pytest.mark.parametrize("button, mode", [("LED On", 1), ("LED Off", 0), ("LED Flash", 2)])
def test_led(zandorex_console, zandorex_pendant, button, mode):
    zandorex_console.window.set("LED No.", "3")
    zandorex_console.window.press(button)
    zandorex_console.log.expect(f"LED : 3, {mode}", timeout=2.0)
    assert zandorex_pendant.led(3) == mode


def test_backlight(zandorex_console, zandorex_pendant):
    zandorex_console.window.press("Backlight Off")
    zandorex_console.log.expect("Backlight : False", timeout=2.0)
    assert zandorex_pendant.backlight is False


def test_forced_keys_come_back_in_the_key_state(zandorex_console):
    window = zandorex_console.window
    window.check("ClientMode")  # the input panel
    window.set("KeyState 3", "5")
    window.press("Set KeyState")
    window.check("ClientMode", False)
    window.press("GetKeyState")
    zandorex_console.log.expect("0, 0, 0, 5, 0, 0, 0, 0", timeout=2.0)


def test_the_same_commands_through_the_engine(zandorex_console, zandorex_pendant):
    zandorex_console.controller.execute("Beep", "50")
    zandorex_console.controller.execute("LED", ["4", i2(1)])
    assert zandorex_console.controller.execute("GetKeyState") == [0] * 8
    assert zandorex_pendant.led(4) == 1
    with pytest.raises(Failure) as refused:
        zandorex_console.controller.execute("Beep", "-5")
    assert refused.value.status == 0x80070057
