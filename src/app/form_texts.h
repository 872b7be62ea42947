#pragma once

// Fixed texts of the main window that more than one file needs.
inline constexpr char kApplicationTitle[] = "Counter-Strike Quillex by VARGANT [TALONS]";
inline constexpr char kWindowFontFamily[] = "Comic Sans MS";
inline constexpr int kWindowFontPoints = 9;
