// Soak test: one command again and again for SOAK_MINUTES minutes (default 1), counting the failures and timing
// each call; the summary goes to the output, and the test fails if any call failed. SOAK_COMMAND picks the
// command: GetKeyState (default), Beep or LED. Against zandorex-pendant on 127.0.0.1 (PENDANT_PORT, CONSOLE_PORT).
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 &
//   SOAK_MINUTES=60 zandorex --headless --script examples/scripts/soak.js --timeout 4000 --junit soak.xml

var minutes = Number(env("SOAK_MINUTES", "1"));
var command = env("SOAK_COMMAND", "GetKeyState");
var parameters = { GetKeyState: undefined, Beep: "1", LED: ["1", i2(2)] };

test("open the connection", function () {
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT", "5006"));
    window.set("Src IP", "127.0.0.1");
    window.set("Src Port", env("CONSOLE_PORT", "5007"));
    window.check("Log", false); // an hour of echoes need not fill the log
    window.press("Open");
    check(controller !== null, "the connection is open");
});

test(command + " for " + minutes + " min", function () {
    check(command in parameters, "SOAK_COMMAND is one of " + Object.keys(parameters).join(", "));
    var times = [], failures = [], end = Date.now() + minutes * 60000, nextReport = Date.now() + 10000;
    while (Date.now() < end) {
        var started = now();
        try {
            controller.execute(command, parameters[command]);
        } catch (e) {
            failures.push(new Date().toISOString() + " " + e.message);
        }
        times.push(now() - started);
        if (Date.now() >= nextReport) {
            print(times.length + " calls, " + failures.length + " failed");
            nextReport += 10000;
        }
    }
    times.sort(function (a, b) { return a - b; });
    var mean = times.reduce(function (sum, t) { return sum + t; }, 0) / times.length;
    var ms = function (t) { return t.toFixed(3); };
    print(command + ": " + times.length + " calls, " + failures.length + " failed; ms min " + ms(times[0]) + ", mean " +
          ms(mean) + ", p99 " + ms(times[Math.floor(times.length * 0.99)]) + ", max " + ms(times[times.length - 1]));
    failures.slice(0, 20).forEach(function (failure) { print("  " + failure); });
    check(failures.length === 0, failures.length + " of " + times.length + " calls failed");
});

test("close the connection", function () {
    window.press("Close");
    window.check("Log", true);
});
