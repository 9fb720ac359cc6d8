// Pair "outputs", the pendant's half: it checks each request the console's buttons send and what the pendant
// did with it. Run with pair-outputs-console.js (see there).

test("the beep", function () {
    var beep = pendant.expectRequest("Beep", 30000); // the console is still starting
    check(beep.numbers[0] === 250, "250 ms: " + JSON.stringify(beep));
    check(pendant.beeps[pendant.beeps.length - 1] === 250, "the beeper sounded: " + pendant.beeps);
});

test("the LEDs", function () {
    check(pendant.expectRequest("LED", 5000).numbers.join() === "2,1", "LED 2 on");
    check(pendant.expectRequest("LED", 5000).numbers.join() === "5,2", "LED 5 flashing");
    check(pendant.led(2) === 1 && pendant.led(5) === 2 && pendant.led(1) === 0, "the lamps show it");
});

test("the backlight", function () {
    check(pendant.expectRequest("Backlight", 5000).numbers[0] === 0, "off");
    check(pendant.backlight === false, "the backlight is off");
});

test("the forced key and touch", function () {
    check(pendant.expectRequest("SetKeyState", 5000).numbers.join() === "0,3,0,0,0,0,0,0", "keys 16 and 17");
    check(pendant.keyState()[1] === 3, "the key state holds them: " + pendant.keyState());
    check(pendant.expectRequest("SetPanelState", 5000).numbers.join() === "1,100,50", "a touch at (100, 50)");
});
