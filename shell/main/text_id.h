#pragma once

// Marks a number in a table as a language text id, so that the table check of the
// language texts finds it.
constexpr int TextIdOf(int id) {
    return id;
}
