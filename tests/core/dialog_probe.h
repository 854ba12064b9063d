#pragma once
// Reading the in-memory dialog the way a user sees it.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/codepage.h"
#include "memory/session.h"

namespace stenvik::testing {

inline bool Visible(const MemorySession& session, int id) { return session.dialog.Find(id)->visible; }
inline bool Checked(const MemorySession& session, int id) { return session.dialog.Find(id)->checked; }
inline std::string Status(const MemorySession& session) { return session.dialog.Status().value_or("<none>"); }

// The text of a UTF-8 literal as the program holds it, whatever the
// compiler's execution character set.
inline std::string Cp1252(std::u8string_view utf8) { return Utf8ToCp1252(AsChars(utf8)).value(); }

inline void ClickAll(MemorySession& session, std::initializer_list<int> ids) {
    for (const int id : ids) session.Click(id);
}

}  // namespace stenvik::testing
