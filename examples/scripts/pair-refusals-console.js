// Pair "refusals", the console's half: a refused request, an ignored one and a late one each fail as the console
// shows it; the pendant's reason comes with the engine's error.
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 --script examples/scripts/pair-refusals-pendant.js &
//   zandorex --headless --script examples/scripts/pair-refusals-console.js

test("open", function () {
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Src IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT", "5006"));
    window.set("Src Port", env("CONSOLE_PORT", "5007"));
    window.press("Open");
});

test("a refused LED", function () {
    log.mark();
    window.press("LED On");
    log.expect("Failed : LED On", 2000);
    try {
        controller.execute("LED", ["1", i2(1)]);
        fail("the pendant took it");
    } catch (e) {
        check(e.message.indexOf("LED 1 is out of order") >= 0, "the pendant's reason: " + e.message);
    }
});

test("an ignored beep times out", function () {
    log.mark();
    window.press("Beep");
    log.expect("Failed : Beep", 2000);
});

test("a late answer fails, a prompt one works", function () {
    log.mark();
    window.press("Backlight Off"); // answered after 1.5 s: Exec TO is 500 ms
    log.expect("Failed : Backlight Off", 2000);
    window.press("Backlight On"); // after 50 ms
    log.expect("Backlight : True", 2000);
    window.press("GetKeyState"); // tells the pendant the session is over
});
