// The parser's space handling in one pass: dropping the spaces of a name or
// a number, and cutting a line's tail at runs of spaces. Each gives exactly
// what the ReplaceAll rules give (replace again and again from the start,
// matching on character boundaries); a text with a stray lead byte, whose
// boundaries a replacement can shift, goes through ReplaceAll itself.
#pragma once

#include <string>
#include <string_view>

namespace roster {

// Whether every lead byte of `text` pairs with the byte after it: then
// replacing whole characters never moves another character's boundary.
bool IsWellFormed(std::string_view text);

// ReplaceAll(ReplaceAll(text, " ", ""), "　", "").
std::string RemoveSpaces(std::string_view text);

// ReplaceAll(text, "　", "").
std::string RemoveFullWidthSpaces(std::string_view text);

// The items of a tail cell: every " " and "　" replaced by "|", runs of "|"
// made one, then cut at "|". Gives the first three items (missing ones
// empty) and the rest joined by single " ". The views point into the tail,
// or into the items' own strings, valid while the items live unchanged.
struct TailItems {
  std::string_view first[3];
  std::string_view rest;
  std::string rewritten;  // the tail as the rules rewrite it, when the slow path made one
  std::string joined;     // the rest, when its items were not already apart by single " "
};
void SplitTail(std::string_view tail, TailItems& items);

}  // namespace roster
