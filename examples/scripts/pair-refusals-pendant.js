// Pair "refusals", the pendant's half: it refuses LED requests, ignores beeps, answers a backlight request late,
// and answers everything else as usual. Run with pair-refusals-console.js (see there).

pendant.on("LED", function (request) { return { refuse: "LED " + request.numbers[0] + " is out of order" }; });
pendant.on("Beep", function () { return { ignore: true }; });
pendant.on("Backlight", function (request) { return { delayMs: request.numbers[0] === 1 ? 50 : 1500 }; });

test("serve the console's session", function () {
    pendant.expectRequest("GetKeyState", 30000); // the console is done
});
