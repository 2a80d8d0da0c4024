#pragma once

// game/: the texts the player reads. The rules write each one in the designed English
// where they use it, marked so that lupdate collects it for the translators:
//
//   constexpr auto NoMovesTitle = TRANSLATE_NOOP("frmMain", "No More Moves");
//
// The mark changes nothing: the game keeps and hands on the English, and the tests see
// it. The window system translates a marked text when it shows it, in the context
// CoreTextContext, so every mark in the rules names that context.
#define TRANSLATE_NOOP(context, text) text

namespace glimmerix {

inline constexpr char CoreTextContext[] = "frmMain";

}  // namespace glimmerix
