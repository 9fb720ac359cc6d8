// Pair "silence", the console's half: with a short silence interval, the pendant's silence gives a wiring check;
// once it talks again, commands work without a new Open.
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 --script examples/scripts/pair-silence-pendant.js &
//   zandorex --headless --script examples/scripts/pair-silence-console.js

test("open with a silence interval of 1.5 s", function () {
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Src IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT", "5006"));
    window.set("Src Port", env("CONSOLE_PORT", "5007"));
    window.set("Less Int", "1500");
    window.set("Init Wait", "200");
    window.press("Open");
    log.expect(/^CheckWired: 1$/, 3000, 0); // the first one comes after Init Wait
});

test("a silent pendant gets a wiring check", function () {
    log.mark();
    window.press("Beep"); // the pendant falls silent now
    log.expectNone(/^CheckWired: /, 1000); // its heartbeat kept it heard until now
    log.expect(/^CheckWired: \d+$/, 3000);
});

test("commands work again without a new Open", function () {
    sleep(3000); // the silence lasts four seconds from the beep
    for (var tries = 0; ; ++tries) {
        log.mark();
        window.press("GetKeyState");
        try {
            log.expect(/^\d+(, \d+){7}$/, 1000);
            break;
        } catch (e) {
            check(tries < 5, "the pendant never answered again: " + e.message);
        }
    }
    check(!window.enabled("Open"), "still the same connection");
});
