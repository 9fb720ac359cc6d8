// Pair "input", the console's half: it opens with keys and touches as messages, says it is ready, and checks the
// lines the pendant's input makes, in order. Run with pair-input-pendant.js (see there).

var inputFrom = 0;

test("open with keys and touches as messages", function () {
    window.choose("Keyboard", "OnMessage Event");
    window.choose("Mouse", "OnMessage Event");
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Src IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT", "5006"));
    window.set("Src Port", env("CONSOLE_PORT", "5007"));
    window.press("Open");
    log.mark();
    inputFrom = log.count; // the pendant plays as soon as it is asked, before the next test begins
    window.press("GetKeyState"); // "ready"
});

test("keys, touches and the LCD text arrive in order", function () {
    var expected = ["KeyDown : 21", "KeyPress : 21", "KeyUp : 21", "KeyDown : 51", "KeyPress : 51", "KeyUp : 51",
                    "PanelDown : 10, 20", "PanelUp : 10, 20", "PanelClick : 10, 20",
                    "PanelDown : 100, 100", "PanelUp : 200, 140", "LCD : scenario done"];
    log.expect("LCD : scenario done", 10000, inputFrom);
    var lines = log.lines(inputFrom).filter(function (line) { return /^(Key|Panel|LCD)/.test(line); });
    check(lines.join(" | ") === expected.join(" | "), "got " + lines.join(" | "));
});
