// ---- The replay's machinery, written by zandorex; edit the recording above, not this. ----
// How a replay names what it compares, in its difference lines.
function replayRequestText(kind, numbers, items) {
    var text = kind;
    if (numbers.length > 0)
        text += " " + numbers.join(" ");
    items.forEach(function (item) {
        text += " [" + [item[0]].concat(item[1].map(function (t) { return JSON.stringify(t); })).join(" ") + "]";
    });
    return text;
}

function replayAnswerText(answer) {
    if (answer.none)
        return "no answer";
    if (answer.refuse !== undefined)
        return "refused: " + answer.refuse;
    if (answer.error !== undefined)
        return "failed: " + answer.error;
    return answer.done.length > 0 ? "done " + answer.done.join(" ") : "done";
}

function replaySameList(a, b) {
    return JSON.stringify(a) === JSON.stringify(b);
}

// Whether two answers are the same, as their words would say (checked without making the words: it runs for
// every request).
function replaySameAnswer(a, b) {
    if (a.none || b.none)
        return !!a.none === !!b.none;
    if (a.refuse !== undefined || b.refuse !== undefined)
        return a.refuse === b.refuse;
    if (a.error !== undefined || b.error !== undefined)
        return a.error === b.error;
    return replaySameNumbers(a.done, b.done);
}

function replaySameNumbers(a, b) {
    if (a.length !== b.length)
        return false;
    for (var k = 0; k < a.length; ++k)
        if (a[k] !== b[k])
            return false;
    return true;
}

function replayCount(n, noun) {
    return n + " " + noun + (n === 1 ? "" : "s");
}

// The recording's times: each call gives the microseconds since the call before it of its kind (the first,
// since the console's first request), as whole numbers; the clock adds them up from its anchor, the moment the
// first request went or came, and scales them by the speed.
function replayClock(speed) {
    return {
        anchor: null,
        us: 0,
        step: function (us) {
            this.us += us;
            return this.anchor + this.us / 1000 / speed;
        },
        // A timer may wake a little late: it sleeps to a millisecond before, and the rest is waited out.
        waitFor: function (target) {
            var left = target - now();
            if (left >= 2)
                sleep(Math.floor(left) - 1);
            while (now() < target)
                sleep(0);
        }
    };
}

// Prints a difference as it is found, and remembers the first for the failure.
function replayDifferences() {
    return {
        count: 0,
        first: null,
        add: function (line) {
            if (++this.count === 1)
                this.first = line;
            print(line);
        },
        finish: function (name, summary) {
            print("replay of " + name + ": " + summary + ", " + replayCount(this.count, "difference"));
            // Thrown as a text, which fails the test without a place: the place would be a line of this machinery.
            if (this.count > 0)
                throw replayCount(this.count, "difference") + " from the capture, the first: " + this.first;
        }
    };
}
