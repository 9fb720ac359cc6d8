// Pair "input", the pendant's half: once the console asks for the key state (it is then listening), the pendant
// plays keys, a touch, a drag and an LCD text; pair-input-console.js checks the lines they make.
//
//   zandorex-pendant --headless --udp 127.0.0.1:5006 --peer 127.0.0.1:5007 --script examples/scripts/pair-input-pendant.js &
//   zandorex --headless --script examples/scripts/pair-input-console.js

test("play the input", function () {
    pendant.expectRequest("GetKeyState", 30000);
    pendant.press("F1", 50);
    pendant.press("J1 +", 50);
    pendant.touch(10, 20, 50);
    pendant.drag([[100, 100], [150, 120], [200, 140]], 90);
    pendant.lcdText("scenario done");
});
