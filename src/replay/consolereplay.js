
// The console's side: the recorded requests are sent in order through the connection and each outcome is
// compared with the recorded reply; the pendant's input is compared, as the connection reports it, with the
// recorded input in order.
function consoleReplay(options) {
    var speed = options.speed || 1;
    var clock = replayClock(speed);
    var sent = 0;
    var expectedInputs = [];
    var inputUs = 0;       // the recorded input's times, added up
    var heardInputs = 0;
    var differences = replayDifferences();

    // A provider message that an input makes, as the input's own words; null for the others (wiring checks,
    // echoes, and clicks and key presses, which the console makes up from the input).
    function inputText(number, value) {
        switch (number) {
        case 1: return "KeyDown key " + value;
        case 2: return "KeyUp key " + value;
        case 4: return "TouchDown " + value[0] + "," + value[1];
        case 5: return "TouchUp " + value[0] + "," + value[1];
        case 258: return "LcdText " + JSON.stringify(value);
        }
        return null;
    }

    function heard(number, value) {
        var text = inputText(number, value);
        if (text === null)
            return;
        var expected = expectedInputs[heardInputs++];
        if (!expected || expected.text !== text)
            differences.add("input " + heardInputs + ": expected " + (expected ? expected.text : "nothing") + ", got " + text);
    }

    // The recorded request as controller.execute takes it.
    function valueOf(kind, numbers, items) {
        switch (kind) {
        case "Beep": return numbers[0];
        case "Backlight": return numbers[0] === 1;
        case "GetKeyState": return undefined;
        case "DrawMiniTP": return items;
        }
        return numbers;
    }

    // The outcome of a command that failed, as the recording would hold it.
    function failure(command, e) {
        if (e.status === 0x800705b4)
            return {none: true};
        var refused = "The pendant refused \"" + command + "\": ";
        var at = String(e.message).indexOf(refused);
        if (e.status === 0x80070057 && at >= 0)
            return {refuse: String(e.message).substring(at + refused.length)};
        return {error: String(e.message)};
    }

    // Whether a command's result is the recorded done (the common case, checked without making anything).
    function doneAsRecorded(result, expected) {
        if (expected.done === undefined)
            return false;
        return Array.isArray(result) ? replaySameNumbers(result, expected.done) : expected.done.length === 0;
    }

    return {
        // A recorded input: "KeyDown" or "KeyUp" and the key, "TouchDown" or "TouchUp" and x, y, or "LcdText"
        // and the text.
        input: function (us, kind, first, second) {
            var number = {KeyDown: 1, KeyUp: 2, TouchDown: 4, TouchUp: 5, LcdText: 258}[kind];
            inputUs += us;
            expectedInputs.push({at: inputUs / 1000, text: inputText(number, second === undefined ? first : [first, second])});
        },
        // Opens the connection through the window, as an operator does; a null field keeps the window's own.
        open: function (settings) {
            function field(name, value) {
                if (value !== null)
                    window.set(name, String(value));
            }
            // Keys and touches as messages, so that every input comes back to be compared.
            window.choose("Keyboard", "OnMessage Event");
            window.choose("Mouse", "OnMessage Event");
            if (settings.udp) {
                window.tab("UDP");
                field("Dest IP", settings.udp[0]);
                field("Dest Port", settings.udp[1]);
                field("Src IP", settings.udp[2]);
                field("Src Port", settings.udp[3]);
            } else {
                window.tab("COM");
                field("Port", settings.serial);
            }
            window.press("Open");
            check(controller !== null, "the connection opens");
            controller.onMessage(heard);
            clock.anchor = now();
        },
        // Sends a recorded request (at its time, unless --replay-fast) and compares what comes back.
        execute: function (us, kind, numbers, items, expected) {
            var due = clock.step(us);
            if (!options.fast)
                clock.waitFor(due);
            ++sent;
            var result, failed = null;
            try {
                result = controller.execute(kind, valueOf(kind, numbers, items));
            } catch (e) {
                failed = e;
            }
            if (failed === null && doneAsRecorded(result, expected))
                return;
            var got = failed === null ? {done: Array.isArray(result) ? result : []} : failure(kind, failed);
            if (!replaySameAnswer(got, expected))
                differences.add("request " + sent + " " + replayRequestText(kind, numbers, items) + ": expected " +
                                replayAnswerText(expected) + ", got " + replayAnswerText(got));
        },
        // Waits for the input still to come (until 2 s past the time the recording says the last one came),
        // then reports.
        end: function () {
            var last = expectedInputs.length > 0 ? expectedInputs[expectedInputs.length - 1].at : 0;
            var deadline = options.fast ? now() + 2000 : clock.anchor + last / speed + 2000;
            while (heardInputs < expectedInputs.length && now() < deadline)
                sleep(5);
            for (var k = heardInputs; k < expectedInputs.length; ++k)
                differences.add("input " + (k + 1) + ": expected " + expectedInputs[k].text + ", got nothing");
            differences.finish(options.capture, replayCount(sent, "request") + " sent, " +
                               replayCount(expectedInputs.length, "input") + " expected");
        }
    };
}
