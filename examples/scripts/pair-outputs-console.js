// Pair "outputs", the console's half: it presses the output buttons; pair-outputs-pendant.js checks what arrived.
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 --script examples/scripts/pair-outputs-pendant.js &
//   zandorex --headless --script examples/scripts/pair-outputs-console.js
//
// On a serial line, give the console's device in SERIAL_PORT (and the pendant --serial with the other end).

test("open the connection", function () {
    if (env("SERIAL_PORT", "") !== "") {
        window.tab("COM");
        window.set("Port", env("SERIAL_PORT", ""));
    } else {
        window.tab("UDP");
        window.set("Dest IP", "127.0.0.1");
        window.set("Src IP", "127.0.0.1");
        window.set("Dest Port", env("PENDANT_PORT", "5006"));
        window.set("Src Port", env("CONSOLE_PORT", "5007"));
    }
    window.press("Open");
    check(controller !== null, "the connection is open");
});

test("press every output button", function () {
    window.set("Time (ms)", "250");
    window.press("Beep");
    window.set("LED No.", "2");
    window.press("LED On");
    window.set("LED No.", "5");
    window.press("LED Flash");
    window.press("Backlight Off");
    window.check("ClientMode", true);
    window.set("KeyState 1", "3");
    window.press("Set KeyState");
    window.press("Touch");
    window.set("X", "100");
    window.set("Y", "50");
    window.press("Set PanelState");
    window.check("ClientMode", false);
    log.expect("Backlight : False", 2000, 0);
    check(log.lines().every(function (line) { return line.indexOf("Failed") < 0; }), "nothing failed: " + log.lines());
});
