// The event log's rules, checked through the console: a failure is logged whether or not "Log" is checked, an
// ordinary line only while it is; lines keep their order and carry nothing but their text; "Clear" empties the
// log. The last test needs a pendant on 127.0.0.1 (PENDANT_PORT, CONSOLE_PORT; default 5006 and 5007).
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 &
//   zandorex --headless --script examples/scripts/log-rules.js

test("a failure is logged even while Log is off", function () {
    window.press("Clear");
    window.check("Log", false);
    window.tab("COM");
    window.set("Port", "/dev/zandorex-no-such-port");
    window.press("Open"); // no such serial line
    check(log.expect("Failed : Open", 2000, 0) === "Failed : Open");
    window.check("Log", true);
});

test("lines keep their order and carry nothing but their text", function () {
    window.press("Clear");
    window.press("Open");
    window.press("Open");
    window.press("Open");
    var lines = log.lines();
    check(lines.length === 3, "three failures: " + lines.join(" | "));
    lines.forEach(function (line) { check(line === "Failed : Open", "only the failure: \"" + line + "\""); });
});

test("Clear empties the log", function () {
    check(log.count > 0, "there is something to clear");
    window.press("Clear");
    check(log.count === 0, "the log is empty");
});

test("an ordinary line needs Log", function () {
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Src IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT", "5006"));
    window.set("Src Port", env("CONSOLE_PORT", "5007"));
    window.press("Open");
    check(controller !== null, "the connection is open");
    window.check("Log", false);
    log.mark();
    window.press("Beep");
    log.expectNone(/^Beep : /, 500);
    window.check("Log", true);
    window.press("Beep");
    log.expect(/^Beep : /, 2000);
    window.press("Close");
});
