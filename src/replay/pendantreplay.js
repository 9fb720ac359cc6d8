
// The pendant's side: each request the console sends is compared with the next recorded one and, when it is the
// same, answered as it was then; any other is answered as the pendant itself answers it, and reported.
function pendantReplay(options) {
    var speed = options.speed || 1;
    var requests = [];
    var recordedUs = 0;    // the recorded requests' times, added up
    var next = 0;          // the recorded request the next one should be
    var heard = 0;         // requests heard in this round
    var rounds = [];       // each round's clock, set by its first request
    var playing = 0;       // the round whose inputs are being sent
    var lastHeard = null;
    var inputs = 0;
    var differences = replayDifferences();

    function answerOf(recorded) {
        var answer = recorded.answer;
        var late = options.timing && answer.after !== undefined ? {delayMs: Math.round(answer.after / 1000 / speed)} : {};
        if (answer.none)
            return {ignore: true};
        if (answer.refuse !== undefined)
            return Object.assign({refuse: answer.refuse}, late);
        return Object.assign({numbers: answer.done}, late);
    }

    function roundClock(round) {
        if (!rounds[round])
            rounds[round] = replayClock(speed);
        return rounds[round];
    }

    pendant.on("*", function (request) {
        var t = request.at; // when the pendant took it, as the capture's clock counted
        lastHeard = t;
        ++heard;
        var round = rounds.length === 0 ? 0 : rounds.length - 1;
        if (roundClock(round).anchor === null)
            roundClock(round).anchor = t;
        var recorded = requests[next];
        var answer;
        if (recorded && recorded.kind === request.kind && replaySameList(recorded.numbers, request.numbers) &&
                replaySameList(recorded.items, request.items)) {
            answer = answerOf(recorded);
        } else {
            differences.add("request " + heard + ": expected " +
                            (recorded ? replayRequestText(recorded.kind, recorded.numbers, recorded.items) : "nothing") +
                            ", got " + replayRequestText(request.kind, request.numbers, request.items));
        }
        if (recorded && ++next === requests.length && options.loop) {
            next = 0;
            heard = 0;
            roundClock(round + 1);
        }
        return answer;
    });

    return {
        request: function (us, kind, numbers, items, answer) {
            recordedUs += us;
            requests.push({at: recordedUs / 1000, kind: kind, numbers: numbers, items: items, answer: answer});
        },
        // Waits for the round's first request: the inputs' times count from it.
        begin: function () {
            while (roundClock(playing).anchor === null)
                sleep(1);
        },
        // Waits until the next input is due.
        after: function (us) {
            ++inputs;
            var clock = roundClock(playing);
            clock.waitFor(clock.step(us));
        },
        // With --replay-loop: waits for the next round (it never ends by itself); otherwise false.
        again: function () {
            if (!options.loop)
                return false;
            ++playing;
            return true;
        },
        // Waits for the recorded requests still to come (until the console has been quiet for 5 s past the
        // time the recording says the last one came), then reports.
        end: function () {
            var last = requests.length > 0 ? requests[requests.length - 1].at : 0;
            var clock = roundClock(playing);
            while (next < requests.length && now() < Math.max(clock.anchor + last / speed, lastHeard || 0) + 5000)
                sleep(5);
            for (var k = next; k < requests.length; ++k) {
                differences.add("request " + (heard + 1 + k - next) + ": expected " +
                                replayRequestText(requests[k].kind, requests[k].numbers, requests[k].items) + ", got nothing");
            }
            differences.finish(options.capture, replayCount(requests.length, "request") + " recorded, " +
                               replayCount(inputs, "input") + " sent");
        }
    };
}
