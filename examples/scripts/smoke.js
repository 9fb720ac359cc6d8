// Smoke test: every output command and the key-state query, through the console's own buttons, each checked by
// the line it puts in the event log. Against zandorex-pendant on 127.0.0.1 (PENDANT_PORT and CONSOLE_PORT,
// default 5006 and 5007), or, with zandorex --simulated-pendant, against the built-in pendant.
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 &
//   zandorex --headless --script examples/scripts/smoke.js --junit smoke.xml

var pendantPort = env("PENDANT_PORT", "5006");
var consolePort = env("CONSOLE_PORT", "5007");

test("open the connection", function () {
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Dest Port", pendantPort);
    window.set("Src IP", "127.0.0.1");
    window.set("Src Port", consolePort);
    window.press("Open");
    check(controller !== null, "the connection is open");
    check(window.enabled("Close") && !window.enabled("Open"), "Close takes over from Open");
});

test("beep", function () {
    window.set("Time (ms)", "200");
    log.mark();
    window.press("Beep");
    log.expect("Beep : 200", 2000);
});

test("the LED on, off and flashing", function () {
    window.set("LED No.", "3");
    [["LED On", "1"], ["LED Off", "0"], ["LED Flash", "2"]].forEach(function (step) {
        log.mark();
        window.press(step[0]);
        log.expect("LED : 3, " + step[1], 2000);
    });
});

test("the backlight off and on", function () {
    log.mark();
    window.press("Backlight Off");
    log.expect("Backlight : False", 2000);
    window.press("Backlight On");
    log.expect("Backlight : True", 2000);
});

test("forced keys come back in the key state", function () {
    window.check("ClientMode", true); // the input panel
    window.set("KeyState 0", "5");
    window.set("KeyState 7", "32768");
    window.press("Set KeyState");
    window.set("KeyState 0", "0");
    window.set("KeyState 7", "0");
    window.check("ClientMode", false);
    log.mark();
    window.press("GetKeyState");
    var line = log.expect(/^\d+(, \d+){7}$/, 2000);
    var words = line.split(", ");
    check(words[0] === "5" && words[7] === "32768", "words 0 and 7 are forced: " + line);
    window.check("ClientMode", true);
    window.press("Set KeyState"); // release them again
    window.check("ClientMode", false);
});

test("a forced touch is refused outside the panel", function () {
    window.check("ClientMode", true);
    window.set("X", "400");
    log.mark();
    window.press("Set PanelState");
    log.expect("Failed : Set Panel State", 2000);
    window.set("X", "1");
    window.check("ClientMode", false);
});

test("a MiniTP drawing", function () {
    window.press("MiniTP");
    check(window.title() === "DrawMTP", "the drawing editor is up");
    window.choose("Command", "線描画");
    ["0", "0", "100", "50"].forEach(function (value, k) { window.set("Para" + (k + 1), value); });
    window.press("Add");
    log.mark();
    window.press("Send");
    window.press("Close");
    log.expect("DrawMiniTP : ", 2000);
    log.expect("48 : 0, 0, 100, 50\t", 2000);
});

test("the same commands through the engine", function () {
    log.mark();
    controller.execute("Beep", "100");
    log.expect("Beep : 100", 2000);
    var words = controller.execute("GetKeyState");
    check(words.length === 8, "eight words: " + words);
});

test("close the connection", function () {
    window.press("Close");
    check(controller === null, "no connection");
    check(window.enabled("Open"), "Open is back");
});
