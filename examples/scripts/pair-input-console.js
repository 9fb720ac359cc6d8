// Pair "input", the console's half: it opens with keys and touches as messages, says it is ready, and checks the
// lines the pendant's input makes, in order. Run with pair-input-pendant.js (see there).

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
    window.press("GetKeyState"); // "ready"
});

test("keys, touches and the LCD text arrive in order", function () {
    var expected = ["KeyDown : 21", "KeyPress : 21", "KeyUp : 21", "KeyDown : 51", "KeyPress : 51", "KeyUp : 51",
                    "PanelDown : 10, 20", "PanelUp : 10, 20", "PanelClick : 10, 20",
                    "PanelDown : 100, 100", "PanelUp : 200, 140", "LCD : scenario done"];
    var from = log.count;
    log.expect("LCD : scenario done", 10000, from);
    var lines = log.lines(from).filter(function (line) { return line.indexOf("CheckWired") < 0; });
    check(lines.join(" | ") === expected.join(" | "), "got " + lines.join(" | "));
});
