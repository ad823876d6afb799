#pragma once

// The version this control panel announces: about box and update comparison.
inline constexpr char programVersion[] = "2.6.0";
