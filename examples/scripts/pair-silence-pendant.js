// Pair "silence", the pendant's half: when the console beeps, the pendant says nothing and answers nothing for
// four seconds, then carries on. Run with pair-silence-console.js (see there).

test("go silent on a beep, then come back", function () {
    pendant.expectRequest("Beep", 30000);
    pendant.silent(4000);
    check(pendant.expectRequest("GetKeyState", 10000).kind === "GetKeyState", "heard again");
});
