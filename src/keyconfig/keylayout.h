#pragma once
// Where each key box of the key configuration dialog sits, which pendant key it binds, and its caption.
#include <array>

namespace keyconfig {

enum class Column { First, Second, Minus, Plus };

struct KeyBox
{
    int element;         // index in the txtConfig control array (0-33 page "TP", 64-99 page "miniTP")
    int tag;             // key number within its page
    int top;             // twips, row top on the tab
    Column column;
    const char *caption; // UTF-8 caption left of the box; nullptr for the "+" box that shares its row's caption
};

inline constexpr int RowTop(int row) { return 510 + 390 * row; }
inline constexpr int ArrowTop(int row) { return 3330 + 390 * row; }

inline constexpr std::array<KeyBox, 70> KeyBoxes = {{
    // page "TP"
    {0, 3, RowTop(0), Column::First, "Auto : "},
    {1, 4, RowTop(1), Column::First, "Manual : "},
    {2, 5, RowTop(2), Column::First, "Teach Check : "},
    {3, 6, RowTop(3), Column::First, "Mortor : "},
    {4, 16, RowTop(4), Column::First, "Lock : "},
    {5, 17, RowTop(5), Column::First, "R-SEL : "},
    {6, 18, RowTop(6), Column::First, "M-MOD : "},
    {7, 19, RowTop(7), Column::First, "Speed : "},
    {8, 14, RowTop(8), Column::First, "OK : "},
    {9, 15, RowTop(9), Column::First, "Cancel : "},
    {33, 2, RowTop(10), Column::First, "Stop : "},
    {10, 20, RowTop(0), Column::Second, "Shift : "},
    {11, 21, RowTop(1), Column::Second, "F1 : "},
    {12, 22, RowTop(2), Column::Second, "F2 : "},
    {13, 23, RowTop(3), Column::Second, "F3 : "},
    {14, 24, RowTop(4), Column::Second, "F4 : "},
    {15, 25, RowTop(5), Column::Second, "F5 : "},
    {16, 26, RowTop(6), Column::Second, "F6 : "},
    {21, 41, RowTop(1), Column::Minus, "J1 : "},
    {22, 51, RowTop(1), Column::Plus, nullptr},
    {23, 42, RowTop(2), Column::Minus, "J2 : "},
    {24, 52, RowTop(2), Column::Plus, nullptr},
    {25, 43, RowTop(3), Column::Minus, "J3 : "},
    {26, 53, RowTop(3), Column::Plus, nullptr},
    {27, 44, RowTop(4), Column::Minus, "J4 : "},
    {28, 54, RowTop(4), Column::Plus, nullptr},
    {29, 45, RowTop(5), Column::Minus, "J5 : "},
    {30, 55, RowTop(5), Column::Plus, nullptr},
    {31, 46, RowTop(6), Column::Minus, "J6 : "},
    {32, 56, RowTop(6), Column::Plus, nullptr},
    {17, 10, ArrowTop(0), Column::Minus, "↑ : "},
    {18, 11, ArrowTop(1), Column::Minus, "↓ : "},
    {19, 12, ArrowTop(2), Column::Minus, "← : "},
    {20, 13, ArrowTop(3), Column::Minus, "→ : "},
    // page "miniTP"
    {64, 3, RowTop(0), Column::First, "Auto : "},
    {65, 4, RowTop(1), Column::First, "Manual : "},
    {66, 5, RowTop(2), Column::First, "Teach Check : "},
    {67, 6, RowTop(3), Column::First, "Mortor : "},
    {68, 17, RowTop(4), Column::First, "R-SEL : "},
    {69, 18, RowTop(5), Column::First, "M-MOD : "},
    {70, 47, RowTop(6), Column::First, "Speed : "},
    {71, 14, RowTop(7), Column::First, "OK : "},
    {72, 15, RowTop(8), Column::First, "Cancel : "},
    {73, 2, RowTop(9), Column::First, "Stop : "},
    {74, 19, RowTop(0), Column::Second, "Shift : "},
    {75, 46, RowTop(1), Column::Second, "内部/外部 : "},
    {76, 41, RowTop(2), Column::Second, "PRO : "},
    {77, 45, RowTop(3), Column::Second, "起動 : "},
    {78, 44, RowTop(4), Column::Second, "STEP送 : "},
    {79, 40, RowTop(5), Column::Second, "STEP戻 : "},
    {80, 39, RowTop(6), Column::Second, "ステップ停止 : "},
    {81, 43, RowTop(7), Column::Second, "サイクル停止 : "},
    {82, 38, RowTop(8), Column::Second, "瞬時停止 : "},
    {83, 42, RowTop(9), Column::Second, "補助機能 : "},
    {88, 26, RowTop(1), Column::Minus, "J1 : "},
    {89, 20, RowTop(1), Column::Plus, nullptr},
    {90, 27, RowTop(2), Column::Minus, "J2 : "},
    {91, 21, RowTop(2), Column::Plus, nullptr},
    {92, 28, RowTop(3), Column::Minus, "J3 : "},
    {93, 22, RowTop(3), Column::Plus, nullptr},
    {94, 29, RowTop(4), Column::Minus, "J4 : "},
    {95, 23, RowTop(4), Column::Plus, nullptr},
    {96, 30, RowTop(5), Column::Minus, "J5 : "},
    {97, 24, RowTop(5), Column::Plus, nullptr},
    {98, 31, RowTop(6), Column::Minus, "J6 : "},
    {99, 25, RowTop(6), Column::Plus, nullptr},
    {84, 37, ArrowTop(0), Column::Minus, "↑ : "},
    {85, 36, ArrowTop(1), Column::Minus, "↓ : "},
    {86, 35, ArrowTop(2), Column::Minus, "← : "},
    {87, 34, ArrowTop(3), Column::Minus, "→ : "},
}};

// The slot of the key map a box edits.
[[nodiscard]] constexpr int slotOf(int element, int tag)
{
    return element < 64 ? tag : tag + 64;
}

[[nodiscard]] constexpr bool isShiftBox(int element)
{
    return element == 10 || element == 74;
}

} // namespace keyconfig
