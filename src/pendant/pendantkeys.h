#pragma once
// The simulated pendant's keys: key number (0-63 page "TP", 64-127 page "miniTP") and caption.
#include "protocol/protocol.h"

#include <QString>
#include <array>

namespace pendant {

struct PendantKey
{
    int number;
    const char *caption; // UTF-8
};

inline constexpr std::array<PendantKey, 44> TpKeys = {{
    {2, "Stop"},   {3, "Auto"},   {4, "Manual"}, {5, "Teach Check"}, {6, "Mortor"}, {16, "Lock"},
    {17, "R-SEL"}, {18, "M-MOD"}, {19, "Speed"}, {20, "Shift"},      {14, "OK"},    {15, "Cancel"},
    {21, "F1"},    {22, "F2"},    {23, "F3"},    {24, "F4"},         {25, "F5"},    {26, "F6"},
    {41, "J1 -"},  {42, "J2 -"},  {43, "J3 -"},  {44, "J4 -"},       {45, "J5 -"},  {46, "J6 -"},
    {51, "J1 +"},  {52, "J2 +"},  {53, "J3 +"},  {54, "J4 +"},       {55, "J5 +"},  {56, "J6 +"},
    {10, "↑"},     {11, "↓"},     {12, "←"},     {13, "→"},          {-1, nullptr}, {-1, nullptr},
    {-1, nullptr}, {-1, nullptr}, {-1, nullptr}, {-1, nullptr},      {-1, nullptr}, {-1, nullptr},
    {-1, nullptr}, {-1, nullptr},
}};

inline constexpr std::array<PendantKey, 44> MiniTpKeys = {{
    {66, "Stop"},      {67, "Auto"},     {68, "Manual"},     {69, "Teach Check"}, {70, "Mortor"},   {111, "Speed"},
    {81, "R-SEL"},     {82, "M-MOD"},    {83, "Shift"},      {78, "OK"},          {79, "Cancel"},   {105, "PRO"},
    {102, "瞬時停止"}, {103, "ステップ停止"}, {104, "STEP戻"}, {108, "STEP送"},   {107, "サイクル停止"}, {109, "起動"},
    {106, "補助機能"}, {110, "内部/外部"}, {-1, nullptr},     {-1, nullptr},       {-1, nullptr},    {-1, nullptr},
    {90, "J1 -"},      {91, "J2 -"},     {92, "J3 -"},       {93, "J4 -"},        {94, "J5 -"},     {95, "J6 -"},
    {84, "J1 +"},      {85, "J2 +"},     {86, "J3 +"},       {87, "J4 +"},        {88, "J5 +"},     {89, "J6 +"},
    {101, "↑"},        {100, "↓"},       {99, "←"},          {98, "→"},           {-1, nullptr},    {-1, nullptr},
    {-1, nullptr},     {-1, nullptr},
}};

inline constexpr int KeyColumns = 6;

// The key a caption names, as the window's buttons show it: "F1", "J1 +"; a caption on both pages names the key of
// the "TP" page unless "miniTP " comes first ("miniTP Stop"); a number names itself. -1 when none.
[[nodiscard]] int keyNamed(const QString &name);

} // namespace pendant
