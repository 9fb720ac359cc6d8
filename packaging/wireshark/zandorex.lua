-- Zandorex: a Wireshark dissector for the Tavlox wire protocol (docs/wire-protocol.md), for Wireshark 4.0 and
-- its Lua 5.2 (bit operations through the `bit` library).
--
-- It decodes UDP datagrams on the ports of its preference (5006 and 5007 by default) and, on any other UDP port,
-- datagrams whose magic, version and length agree (a heuristic that claims nothing else); and serial-line
-- captures (link type USER0: one direction byte, 0 received and 1 sent by the capturing program, then the frame as
-- it crossed the line), unstuffed, CRC checked. What a receiver drops is marked with an expert-info entry in the
-- receiver's own words; a message that breaks a field rule is marked with the rule's words; a request is linked to
-- its reply and back, with the response time.
--
-- Load it once:  tshark -X lua_script:zandorex.lua -r capture.pcap
-- or for good:   copy it into Wireshark's plugin folder (Help > About Wireshark > Folders).

local zx = Proto("zandorex", "Zandorex Tavlox wire protocol")

local MaxMessageBytes = 65000
local HeaderBytes = 10
local MaxParameters = 5
local DefaultPorts = "5006-5007"

local TypeNames = { [1] = "request", [2] = "reply", [3] = "input" }
local RequestKinds = { [0] = "Beep", "LED", "Backlight", "SetKeyState", "SetPanelState", "GetKeyState", "DrawMiniTP" }
local InputKinds = { [0] = "KeyDown", "KeyUp", "TouchDown", "TouchMove", "TouchUp", "LcdText", "Alive" }
local RequestKindCount, InputKindCount = 7, 7

-- Why a datagram or frame is not a message, in the words of the receivers' trace.
local Reasons = {
    truncated = "shorter than its header",
    oversized = "longer than 65000 bytes",
    bad_magic = "not a Tavlox message (bad magic)",
    unknown_version = "unknown protocol version",
    unknown_kind = "unknown message kind",
    length_mismatch = "length field disagrees with the size",
    ends_early = "malformed payload: it ends early",
    too_long = "malformed payload: bytes are left over after it",
    too_many_parameters = "malformed payload: a drawing item has more than 5 parameters",
    not_utf8 = "malformed payload: a text is not UTF-8",
    bad_ok = "malformed payload: ok is neither 0 nor 1",
    bad_crc = "bad frame CRC",
    bad_stuffing = "bad byte stuffing",
    before_first_flag = "bytes before the first frame flag",
}

local f = zx.fields
f.magic = ProtoField.uint16("zandorex.magic", "Magic", base.HEX)
f.version = ProtoField.uint8("zandorex.version", "Version", base.DEC)
f.type = ProtoField.uint8("zandorex.type", "Type", base.DEC, TypeNames)
f.id = ProtoField.uint32("zandorex.id", "Id", base.DEC)
f.length = ProtoField.uint16("zandorex.length", "Payload length", base.DEC)
f.request_kind = ProtoField.uint8("zandorex.request.kind", "Kind", base.DEC, RequestKinds)
f.request_count = ProtoField.uint8("zandorex.request.count", "Number count", base.DEC)
f.request_number = ProtoField.int32("zandorex.request.number", "Number", base.DEC)
f.request_milliseconds = ProtoField.int32("zandorex.request.milliseconds", "milliseconds", base.DEC)
f.request_led = ProtoField.int32("zandorex.request.led", "led", base.DEC)
f.request_mode = ProtoField.int32("zandorex.request.mode", "mode", base.DEC, { [0] = "off", "on", "flash" })
f.request_state = ProtoField.int32("zandorex.request.state", "state", base.DEC, { [0] = "off", "on" })
f.request_word = ProtoField.int32("zandorex.request.word", "word", base.DEC)
f.request_touch = ProtoField.int32("zandorex.request.touch", "touch", base.DEC, { [0] = "released", "touched" })
f.request_x = ProtoField.int32("zandorex.request.x", "x", base.DEC)
f.request_y = ProtoField.int32("zandorex.request.y", "y", base.DEC)
f.request_items = ProtoField.uint16("zandorex.request.items", "Drawing items", base.DEC)
f.item = ProtoField.bytes("zandorex.item", "Drawing item")
f.item_code = ProtoField.int32("zandorex.item.code", "Code", base.DEC)
f.item_count = ProtoField.uint8("zandorex.item.count", "Parameter count", base.DEC)
f.item_parameter = ProtoField.string("zandorex.item.parameter", "Parameter", base.UNICODE)
f.text_length = ProtoField.uint16("zandorex.text_length", "Text length", base.DEC)
f.reply_ok = ProtoField.uint8("zandorex.reply.ok", "Ok", base.DEC, { [0] = "refused", [1] = "done" })
f.reply_count = ProtoField.uint8("zandorex.reply.count", "Number count", base.DEC)
f.reply_number = ProtoField.int32("zandorex.reply.number", "Number", base.DEC)
f.reply_error = ProtoField.string("zandorex.reply.error", "Reason", base.UNICODE)
f.input_kind = ProtoField.uint8("zandorex.input.kind", "Kind", base.DEC, InputKinds)
f.input_key = ProtoField.uint8("zandorex.input.key", "Key", base.DEC)
f.input_x = ProtoField.int16("zandorex.input.x", "x", base.DEC)
f.input_y = ProtoField.int16("zandorex.input.y", "y", base.DEC)
f.input_text = ProtoField.string("zandorex.input.text", "Text", base.UNICODE)
f.drop_reason = ProtoField.string("zandorex.drop_reason", "Dropped by a receiver")
f.rule = ProtoField.string("zandorex.rule", "Breaks the rule")
f.request_in = ProtoField.framenum("zandorex.request_in", "Request in", base.NONE, frametype.REQUEST)
f.response_in = ProtoField.framenum("zandorex.response_in", "Reply in", base.NONE, frametype.RESPONSE)
f.response_time = ProtoField.relative_time("zandorex.response_time", "Response time")
f.serial_direction = ProtoField.uint8("zandorex.serial.direction", "Direction", base.DEC, { [0] = "received", [1] = "sent" })
f.serial_flag = ProtoField.uint8("zandorex.serial.flag", "Frame flag", base.HEX)
f.serial_crc = ProtoField.uint16("zandorex.serial.crc", "Frame CRC", base.HEX)
f.serial_crc_good = ProtoField.bool("zandorex.serial.crc_good", "CRC good")

-- One expert-info entry per reason a receiver drops a message, and one for a broken field rule.
local dropExperts = {}
local experts = {}
for key, words in pairs(Reasons) do
    dropExperts[key] = ProtoExpert.new("zandorex.dropped." .. key, words, expert.group.MALFORMED, expert.severity.ERROR)
    experts[#experts + 1] = dropExperts[key]
end
local ruleExpert = ProtoExpert.new("zandorex.rule_broken", "breaks a field rule", expert.group.PROTOCOL, expert.severity.WARN)
local unansweredExpert = ProtoExpert.new("zandorex.no_request", "no request of that id in this capture",
    expert.group.SEQUENCE, expert.severity.NOTE)
local idleExpert = ProtoExpert.new("zandorex.idle_fill", "idle fill (an empty frame)", expert.group.SEQUENCE, expert.severity.CHAT)
experts[#experts + 1] = ruleExpert
experts[#experts + 1] = unansweredExpert
experts[#experts + 1] = idleExpert
zx.experts = experts

zx.prefs.ports = Pref.range("UDP ports", DefaultPorts, "UDP ports decoded as Tavlox whatever they hold", 65535)

-- Requests seen on the first pass, by conversation and id, and the links found: frame number -> record.
local requests, byFrame

function zx.init()
    requests = {}
    byFrame = {}
end

-- Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing past U+10FFFF.
local function isUtf8(s)
    local i, n = 1, #s
    while i <= n do
        local c = s:byte(i)
        local extra, low, high
        if c < 0x80 then
            extra = 0
        elseif c >= 0xC2 and c <= 0xDF then
            extra, low, high = 1, 0x80, 0xBF
        elseif c == 0xE0 then
            extra, low, high = 2, 0xA0, 0xBF
        elseif c == 0xED then
            extra, low, high = 2, 0x80, 0x9F
        elseif c >= 0xE1 and c <= 0xEF then
            extra, low, high = 2, 0x80, 0xBF
        elseif c == 0xF0 then
            extra, low, high = 3, 0x90, 0xBF
        elseif c >= 0xF1 and c <= 0xF3 then
            extra, low, high = 3, 0x80, 0xBF
        elseif c == 0xF4 then
            extra, low, high = 3, 0x80, 0x8F
        else
            return false
        end
        if i + extra > n then
            return false
        end
        for k = 1, extra do
            local b = s:byte(i + k)
            if k == 1 then
                if b < low or b > high then
                    return false
                end
            elseif b < 0x80 or b > 0xBF then
                return false
            end
        end
        i = i + extra + 1
    end
    return true
end

-- CRC-16/X-25, table-driven.
local crcTable = {}
for byte = 0, 255 do
    local crc = byte
    for _ = 1, 8 do
        if bit.band(crc, 1) ~= 0 then
            crc = bit.bxor(bit.rshift(crc, 1), 0x8408)
        else
            crc = bit.rshift(crc, 1)
        end
    end
    crcTable[byte] = crc
end

local function frameCheck(s)
    local crc = 0xFFFF
    for i = 1, #s do
        crc = bit.bxor(bit.rshift(crc, 8), crcTable[bit.band(bit.bxor(crc, s:byte(i)), 0xFF)])
    end
    return bit.band(bit.bxor(crc, 0xFFFF), 0xFFFF)
end

-- Reads a payload from a tvb, adding each field as it goes; `fail` says why it stopped.
local Cursor = {}
Cursor.__index = Cursor

local function cursor(tvb, at, finish, tree)
    return setmetatable({ tvb = tvb, at = at, finish = finish, tree = tree }, Cursor)
end

function Cursor:has(bytes)
    if self.at + bytes > self.finish then
        return false
    end
    return true
end

function Cursor:take(field, bytes, signed, tree)
    if not self:has(bytes) then
        return nil
    end
    local range = self.tvb(self.at, bytes)
    self.at = self.at + bytes
    local value = signed and range:int() or range:uint()
    if field then
        (tree or self.tree):add(field, range)
    end
    return value, range
end

function Cursor:text(field, tree)
    local size = self:take(f.text_length, 2, false, tree)
    if size == nil or not self:has(size) then
        return nil
    end
    local range = size > 0 and self.tvb(self.at, size) or nil
    local raw = range and range:raw() or ""
    self.at = self.at + size
    if not isUtf8(raw) then
        -- Read on: a fault further on may come first in the order of the checks.
        self.notUtf8 = true
        if range then
            (tree or self.tree):add(field, range, "(not UTF-8)")
        end
        return raw
    end
    if range then
        (tree or self.tree):add_packet_field(field, range, ENC_UTF_8)
    else
        (tree or self.tree):add(field, self.tvb(self.at, 0), "")
    end
    return raw
end

-- The field rules a pendant and a provider hold messages to (docs/wire-protocol.md), in their words.
local function words(count)
    local rules = {}
    for w = 0, count - 1 do
        rules[#rules + 1] = { name = "word " .. w, field = f.request_word, min = 0, max = 65535 }
    end
    return rules
end

local RequestRules = {
    [0] = { { name = "milliseconds", field = f.request_milliseconds, min = 0, max = 60000 } },
    [1] = { { name = "led", field = f.request_led, min = 1, max = 8 }, { name = "mode", field = f.request_mode, min = 0, max = 2 } },
    [2] = { { name = "state", field = f.request_state, min = 0, max = 1 } },
    [3] = words(8),
    [4] = { { name = "touch", field = f.request_touch, min = 0, max = 1 }, { name = "x", field = f.request_x, min = 0, max = 319 },
            { name = "y", field = f.request_y, min = 0, max = 239 } },
    [5] = {},
    [6] = {},
}
local ReplyRules = { [5] = words(8) }

local function counted(count, one, many)
    return count .. " " .. (count == 1 and one or many)
end

local function numbersProblem(subject, numbers, rules)
    local holdsWords = #rules > 0 and rules[1].name:sub(1, 4) == "word"
    if #numbers ~= #rules then
        return string.format("%s holds %s, not %d", subject,
            holdsWords and counted(#numbers, "word", "words") or counted(#numbers, "number", "numbers"), #rules)
    end
    for k, rule in ipairs(rules) do
        if numbers[k] < rule.min or numbers[k] > rule.max then
            return string.format("%s %s: %d is outside %d\226\128\147%d", subject, rule.name, numbers[k], rule.min, rule.max)
        end
    end
    return nil
end

local function requestProblem(message)
    local subject = RequestKinds[message.kind]
    local problem = numbersProblem(subject, message.numbers, RequestRules[message.kind])
    if problem then
        return problem
    end
    if message.kind ~= 6 and message.items > 0 then
        return string.format("%s holds %s, not 0", subject, counted(message.items, "drawing item", "drawing items"))
    end
    return nil
end

local function replyProblem(kind, message)
    local subject = "the reply to " .. RequestKinds[kind]
    if not message.ok then
        if message.error == "" then
            return subject .. " refuses without a reason"
        end
        if #message.numbers > 0 then
            return string.format("%s refuses and holds %s, not 0", subject, counted(#message.numbers, "number", "numbers"))
        end
        return nil
    end
    if message.error ~= "" then
        return subject .. " is done but gives a reason"
    end
    return numbersProblem(subject, message.numbers, ReplyRules[kind] or {})
end

local function inputProblem(message)
    local kind, name = message.kind, InputKinds[message.kind]
    if kind == 0 or kind == 1 then
        if message.key < 0 or message.key > 127 then
            return string.format("%s key: %d is outside 0\226\128\147127", name, message.key)
        end
    elseif message.key ~= 0 then
        return string.format("%s carries key %d, which only KeyDown and KeyUp have", name, message.key)
    end
    if kind >= 2 and kind <= 4 then
        if message.x < 0 or message.x > 319 then
            return string.format("%s x: %d is outside 0\226\128\147319", name, message.x)
        end
        if message.y < 0 or message.y > 239 then
            return string.format("%s y: %d is outside 0\226\128\147239", name, message.y)
        end
    elseif message.x ~= 0 or message.y ~= 0 then
        return string.format("%s carries the position (%d, %d), which only a touch has", name, message.x, message.y)
    end
    if kind ~= 5 and message.text ~= "" then
        return name .. " carries a text, which only LcdText has"
    end
    return nil
end

-- The numbers of a request or reply: a count, then that many i32, each named by the kind's rule when it has one.
local function readNumbers(c, countField, numberField, rules, tree)
    local count = c:take(countField, 1, false)
    if count == nil then
        return nil
    end
    local numbers, items = {}, {}
    local named = rules and #rules == count
    for k = 1, count do
        if not c:has(4) then
            return nil
        end
        local range = c.tvb(c.at, 4)
        c.at = c.at + 4
        numbers[k] = range:int()
        if named then
            local item = tree:add(rules[k].field, range)
            if rules[k].name:sub(1, 4) == "word" then
                item:set_text(string.format(numbers[k] >= 0 and "%s: 0x%04x" or "%s: %d", rules[k].name, numbers[k]))
            end
            tree:add(numberField, range):set_hidden()
        else
            items[k] = tree:add(numberField, range)
        end
    end
    return numbers, items
end

local function joined(numbers)
    local texts = {}
    for k, n in ipairs(numbers) do
        texts[k] = tostring(n)
    end
    return table.concat(texts, " ")
end

local function readRequest(c, id, tree)
    local kind = c:take(f.request_kind, 1, false) -- in its table: decodeMessage checked it
    if kind == nil then
        return nil
    end
    local message = { type = 1, id = id, kind = kind }
    message.numbers = readNumbers(c, f.request_count, f.request_number, RequestRules[kind], tree)
    if message.numbers == nil then
        return nil
    end
    local items = c:take(f.request_items, 2, false)
    if items == nil then
        return nil
    end
    message.items = items
    for i = 0, items - 1 do
        local start = c.at
        local itemTree = tree:add(f.item, c.tvb(c.at, 0))
        itemTree:set_text("Drawing item " .. i)
        local code = c:take(f.item_code, 4, true, itemTree)
        local count = code ~= nil and c:take(f.item_count, 1, false, itemTree) or nil
        if count == nil then
            return nil
        end
        itemTree:append_text(": code " .. code)
        if count > MaxParameters then
            c.tooManyParameters = true -- read on: the payload may also end early, which comes first
        end
        for _ = 1, count do
            if c:text(f.item_parameter, itemTree) == nil then
                return nil
            end
        end
        itemTree:set_len(c.at - start)
    end
    message.summary = string.format("request %u %s", id, RequestKinds[kind])
    if #message.numbers > 0 then
        message.summary = message.summary .. " " .. joined(message.numbers)
    end
    if kind == 6 then
        message.summary = message.summary .. string.format(" (%d items)", items)
    end
    return message
end

local function readReply(c, id, tree)
    local ok = c:take(f.reply_ok, 1, false)
    if ok == nil then
        return nil
    end
    if ok > 1 then
        c.badOk = true
    end
    local message = { type = 2, id = id, ok = ok == 1 }
    message.numbers, message.numberItems = readNumbers(c, f.reply_count, f.reply_number, nil, tree)
    if message.numbers == nil then
        return nil
    end
    message.error = c:text(f.reply_error)
    if message.error == nil then
        return nil
    end
    message.summary = string.format("reply %u %s", id, message.ok and "ok" or "refused")
    if #message.numbers > 0 then
        message.summary = message.summary .. " " .. joined(message.numbers)
    end
    if message.error ~= "" then
        message.summary = message.summary .. ": " .. message.error
    end
    return message
end

local function readInput(c, id, tree)
    local kind = c:take(f.input_kind, 1, false) -- in its table: decodeMessage checked it
    if kind == nil then
        return nil
    end
    local message = { type = 3, id = id, kind = kind }
    message.key = c:take(f.input_key, 1, false)
    message.x = message.key ~= nil and c:take(f.input_x, 2, true) or nil
    message.y = message.x ~= nil and c:take(f.input_y, 2, true) or nil
    message.text = message.y ~= nil and c:text(f.input_text) or nil
    if message.text == nil then
        return nil
    end
    local summary = string.format("input %u %s", id, InputKinds[kind])
    if kind == 0 or kind == 1 then
        summary = summary .. " key " .. message.key
    elseif kind >= 2 and kind <= 4 then
        summary = summary .. string.format(" %d,%d", message.x, message.y)
    elseif kind == 5 then
        summary = summary .. ' "' .. message.text .. '"'
    end
    message.summary = summary
    return message
end

-- Decodes one message as our receivers do; returns the message or nil and the reason's key.
local function decodeMessage(tvb, tree)
    local size = tvb:reported_len()
    if size > MaxMessageBytes then
        return nil, "oversized"
    end
    if size < HeaderBytes then
        return nil, "truncated"
    end
    tree:add(f.magic, tvb(0, 2))
    tree:add(f.version, tvb(2, 1))
    tree:add(f.type, tvb(3, 1))
    tree:add(f.id, tvb(4, 4))
    tree:add(f.length, tvb(8, 2))
    if tvb(0, 2):uint() ~= 0x5A58 then
        return nil, "bad_magic"
    end
    if tvb(2, 1):uint() ~= 1 then
        return nil, "unknown_version"
    end
    local type = tvb(3, 1):uint()
    if type < 1 or type > 3 then
        return nil, "unknown_kind"
    end
    -- A request's or an input's kind is checked with the type, before the length field.
    if size > HeaderBytes and tvb:len() > HeaderBytes then
        local kind = tvb(HeaderBytes, 1):uint()
        if (type == 1 and kind >= RequestKindCount) or (type == 3 and kind >= InputKindCount) then
            return nil, "unknown_kind"
        end
    end
    if tvb(8, 2):uint() ~= size - HeaderBytes then
        return nil, "length_mismatch"
    end
    local id = tvb(4, 4):uint()
    local c = cursor(tvb, HeaderBytes, size, tree)
    local message
    if type == 1 then
        message = readRequest(c, id, tree)
    elseif type == 2 then
        message = readReply(c, id, tree)
    else
        message = readInput(c, id, tree)
    end
    -- The payload's faults in the documented order, not in the order of their bytes.
    if message == nil then
        return nil, "ends_early"
    end
    if c.at ~= size then
        return nil, "too_long"
    end
    if c.tooManyParameters then
        return nil, "too_many_parameters"
    end
    if c.notUtf8 then
        return nil, "not_utf8"
    end
    if c.badOk then
        return nil, "bad_ok"
    end
    return message
end

local function markDropped(tree, pinfo, reason)
    tree:add(f.drop_reason, Reasons[reason]):set_generated()
    tree:add_proto_expert_info(dropExperts[reason])
    pinfo.cols.info = "dropped: " .. Reasons[reason]
end

-- Links requests and replies within one conversation (a UDP address pair, or the serial line).
local function link(message, tree, pinfo, conversation)
    if not pinfo.visited then
        requests[conversation] = requests[conversation] or {}
        local open = requests[conversation]
        if message.type == 1 then
            local record = { request = pinfo.number, time = pinfo.abs_ts, kind = message.kind }
            open[message.id] = record
            byFrame[pinfo.number] = record
        elseif message.type == 2 then
            local record = open[message.id]
            if record and record.reply == nil then
                record.reply = pinfo.number
                record.replyTime = pinfo.abs_ts
                byFrame[pinfo.number] = record
            end
        end
    end
    local record = byFrame[pinfo.number]
    if message.type == 1 then
        if record and record.reply then
            tree:add(f.response_in, record.reply):set_generated()
        end
    elseif message.type == 2 then
        if record and record.reply == pinfo.number then
            tree:add(f.request_in, record.request):set_generated()
            local delta = record.replyTime - record.time
            local seconds = math.floor(delta)
            tree:add(f.response_time, NSTime.new(seconds, math.floor((delta - seconds) * 1e9 + 0.5))):set_generated()
            return record.kind
        end
        tree:add_proto_expert_info(unansweredExpert)
    end
    return nil
end

local function showMessage(tvb, pinfo, tree, conversation)
    local message, reason = decodeMessage(tvb, tree)
    if message == nil then
        markDropped(tree, pinfo, reason)
        return
    end
    pinfo.cols.info = message.summary
    tree:append_text(": " .. message.summary)
    local answered = link(message, tree, pinfo, conversation)
    if answered == 5 and message.ok then
        -- The key state words of a GetKeyState reply, named as the request's are.
        for k, item in ipairs(message.numberItems) do
            local n = message.numbers[k]
            item:set_text(string.format(n >= 0 and "word %d: 0x%04x" or "word %d: %d", k - 1, n))
        end
    end
    local problem
    if message.type == 1 then
        problem = requestProblem(message)
    elseif message.type == 2 then
        problem = answered and replyProblem(answered, message)
    else
        problem = inputProblem(message)
    end
    if problem then
        tree:add(f.rule, problem):set_generated()
        tree:add_proto_expert_info(ruleExpert, problem)
    end
end

local function udpConversation(pinfo)
    local a = tostring(pinfo.src) .. ":" .. pinfo.src_port
    local b = tostring(pinfo.dst) .. ":" .. pinfo.dst_port
    return a < b and (a .. " " .. b) or (b .. " " .. a)
end

local function dissectUdp(tvb, pinfo, tree)
    pinfo.cols.protocol = "Zandorex"
    local subtree = tree:add(zx, tvb())
    showMessage(tvb, pinfo, subtree, udpConversation(pinfo))
    return tvb:len()
end

-- A serial frame: 7E, the message and its CRC stuffed, 7E; or the bytes before the first flag.
local function dissectSerial(tvb, pinfo, tree)
    pinfo.cols.protocol = "Zandorex"
    local subtree = tree:add(zx, tvb())
    if tvb:len() < 1 then
        return 0
    end
    local direction = tvb(0, 1):uint()
    subtree:add(f.serial_direction, tvb(0, 1))
    if direction == 1 then
        pinfo.cols.src, pinfo.cols.dst = "this end", "the other end"
    else
        pinfo.cols.src, pinfo.cols.dst = "the other end", "this end"
    end
    local raw = tvb:len() > 1 and tvb(1):raw() or ""
    if raw:byte(1) ~= 0x7E then
        markDropped(subtree, pinfo, "before_first_flag")
        return tvb:len()
    end
    subtree:add(f.serial_flag, tvb(1, 1))
    local last = #raw
    if last > 1 and raw:byte(last) == 0x7E then
        subtree:add(f.serial_flag, tvb(last, 1))
        last = last - 1
    end
    if last < 2 then
        subtree:add_proto_expert_info(idleExpert)
        pinfo.cols.info = "idle fill"
        return tvb:len()
    end
    -- Undone as a receiver does it: an escape before anything but 7E or 7D, or before the closing flag, is bad;
    -- content past 65,002 bytes is too long.
    local content, escaped = {}, false
    for i = 2, last do
        local b = raw:byte(i)
        if b == 0x7D and not escaped then
            escaped = true
        else
            if escaped then
                escaped = false
                b = bit.bxor(b, 0x20)
                if b ~= 0x7E and b ~= 0x7D then
                    markDropped(subtree, pinfo, "bad_stuffing")
                    return tvb:len()
                end
            end
            if #content >= MaxMessageBytes + 2 then
                markDropped(subtree, pinfo, "oversized")
                return tvb:len()
            end
            content[#content + 1] = string.char(b)
        end
    end
    if escaped then
        markDropped(subtree, pinfo, "bad_stuffing")
        return tvb:len()
    end
    if #content < 2 then
        markDropped(subtree, pinfo, "truncated")
        return tvb:len()
    end
    local unstuffed = table.concat(content)
    local body = unstuffed:sub(1, -3)
    local sent = unstuffed:byte(-2) * 256 + unstuffed:byte(-1)
    local frameTvb = ByteArray.new(unstuffed, true):tvb("Unstuffed frame")
    subtree:add(f.serial_crc, frameTvb(#unstuffed - 2, 2))
    local good = sent == frameCheck(body)
    subtree:add(f.serial_crc_good, good):set_generated()
    if not good then
        markDropped(subtree, pinfo, "bad_crc")
        return tvb:len()
    end
    if #body == 0 then
        markDropped(subtree, pinfo, "truncated")
        return tvb:len()
    end
    showMessage(frameTvb(0, #body):tvb(), pinfo, subtree, "serial")
    return tvb:len()
end

zx.dissector = dissectUdp -- also what "Decode As… Zandorex" uses

-- The serial line's captures reach this through the USER0 link type; its fields are the protocol's.
local serial = Proto("zandorex_serial", "Zandorex Tavlox serial line")
serial.dissector = dissectSerial

-- Anywhere on UDP: only a datagram whose magic, version and length field agree.
local function heuristic(tvb, pinfo, tree)
    local size = tvb:reported_len()
    if size < HeaderBytes or size > MaxMessageBytes or tvb:len() < HeaderBytes then
        return false
    end
    if tvb(0, 2):uint() ~= 0x5A58 or tvb(2, 1):uint() ~= 1 or tvb(8, 2):uint() ~= size - HeaderBytes then
        return false
    end
    dissectUdp(tvb, pinfo, tree)
    return true
end
zx:register_heuristic("udp", heuristic)

local registeredPorts
local function registerPorts()
    local table = DissectorTable.get("udp.port")
    if registeredPorts then
        table:remove(registeredPorts, zx)
    end
    registeredPorts = zx.prefs.ports
    table:add(registeredPorts, zx)
end

function zx.prefs_changed()
    registerPorts()
end

registerPorts()
DissectorTable.get("wtap_encap"):add(wtap_encaps.USER0, serial)
