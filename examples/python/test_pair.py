"""A pendant handler refuses a request; the console sees "Failed : …" and the engine's refusal.

    PYTHONPATH=python pytest -p zandorex.pytest_plugin --zandorex-bin build/src/app examples/python
"""

from zandorex import refuse


def test_a_refused_led_fails_in_the_console(zandorex_console, zandorex_pendant):
    @zandorex_pendant.on("LED")
    def out_of_order(request):
        return refuse(f"LED {request['numbers'][0]} is out of order")

    zandorex_console.window.set("LED No.", "2")
    zandorex_console.window.press("LED On")
    zandorex_console.log.expect("Failed : LED On", timeout=2.0)
    assert zandorex_pendant.led(2) == 0
    assert zandorex_pendant.expect_request("LED", timeout=2.0)["numbers"] == [2, 1]
