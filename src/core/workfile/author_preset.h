#pragma once

#include <span>
#include <string_view>

#include "model/fieldsink.h"

namespace quillex {

// The author's addresses, shared by the preset and the about box.
inline constexpr std::string_view kAuthorEmail = "vargant@example.com";
inline constexpr std::string_view kClanSite = "http://talons.example.com";
inline constexpr std::string_view kAuthorSite = "http://vargant.example.com";
// The preset's site field: both addresses, joined by a comma and a blank.
inline constexpr std::string_view kAuthorSites =
    "http://talons.example.com, http://vargant.example.com";

// One value of the author's preset. How it is applied follows the control's kind: texts and
// keys are replaced, track bars take the number, check boxes "1"/"0", and a memo gets the text
// appended as a further line.
struct PresetValue {
    std::string_view control;
    std::string_view value;
};

// The author's own choices, in the order they are applied, Nick first. Controls it does not
// name keep their values.
std::span<const PresetValue> AuthorPreset();

// Applies AuthorPreset() through the sink, as if the user had entered each value.
void ApplyAuthorPreset(FieldSink& sink);

}  // namespace quillex
