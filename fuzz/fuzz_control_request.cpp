// Fuzzes the control socket's request reader: any line is either a request (a method, an array of arguments, an
// id that is a number, a text or null) or an error with a JSON-RPC code, and every answer line it leads to is one
// line of JSON.
#include "control/controlrequest.h"
#include "fuzzinput.h"

#include <QJsonDocument>

using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView line(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const control::ControlRequest request = control::readRequest(line);
    QByteArray answer;
    if (request.valid) {
        require(!request.method.isEmpty());
        require(request.id.isNull() || request.id.isDouble() || request.id.isString());
        require(request.errorCode == 0);
        answer = control::resultLine(request.id, request.params);
    } else {
        require(request.errorCode == control::ParseError || request.errorCode == control::InvalidRequest ||
                request.errorCode == control::InvalidParams);
        require(!request.errorMessage.isEmpty());
        answer = control::errorLine(request.id, request.errorCode, request.errorMessage);
    }
    require(answer.endsWith('\n') && answer.count('\n') == 1);
    require(QJsonDocument::fromJson(answer).isObject());
    return 0;
}
