#pragma once
// The ten MiniTP drawing commands the editor offers, in the order its drop-down list shows them.
#include <QString>
#include <array>

namespace minitp {

struct DrawingCommand
{
    const char *caption; // UTF-8, shown in the list and the drop-down
    qint32 code;         // what is stored and sent
};

inline constexpr std::array<DrawingCommand, 10> DrawingCatalogue = {{
    {"描画色設定", 16},       // set drawing colour
    {"背景色設定", 17},       // set background colour
    {"塗色設定", 18},         // set fill colour
    {"文字列描画", 32},       // draw character string
    {"線描画", 48},           // draw line
    {"矩形描画", 49},         // draw rectangle
    {"描画幅設定", 56},       // set drawing width
    {"描画情報登録開始", 112}, // begin recording drawing information
    {"描画情報登録終了", 113}, // end recording drawing information
    {"描画情報呼び出し", 114}, // recall drawing information
}};

inline constexpr int ParameterCount = 5;

} // namespace minitp
