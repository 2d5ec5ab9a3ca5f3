#pragma once

#include "document/core/TextChange.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace norvane {

// The lines and positions a document keeps about its text (the structure
// tree's node lines, the division lines, the back-track history, the find-all
// rows), list by list, so that they follow every change of the text.
enum class PlaceKind { Line, Position };

struct PlaceList {
    PlaceKind kind = PlaceKind::Line;
    std::span<int> values;
    // Changes whenever the list is made anew or loses entries, so that what was
    // remembered about an older list is never applied to the new one.
    std::uint64_t generation = 0;
};

// A place a change touched, where it stood before the change and where it
// stood once the change (with the rest of its undo step) was made.
struct RememberedPlace {
    std::size_t list = 0;
    std::size_t index = 0;
    std::uint64_t generation = 0;
    int before = 0;
    int after = 0;
};

// Which of the lists given had a place change, by their index: what shows or
// indexes a list that did not change needs no update.
using MovedLists = std::vector<bool>;

// Moves every place by the changes; each place they touched is added to the
// memory (when there is one) with where it stood before and after. Places
// beyond the changes' reach are passed over at the cost of a comparison.
MovedLists followChanges(const ChangeMap &changes, std::span<const PlaceList> lists, std::vector<RememberedPlace> *memory);

// More changes of an undo step whose earlier changes are `step`: every place
// follows them, the places they touched are remembered with where they stood
// before the whole step, and the changes join the step.
MovedLists followChangesOfStep(std::span<const TextChange> changes, ChangeMap &step, std::span<const PlaceList> lists,
                         std::vector<RememberedPlace> &memory);

// Takes the changes back: every place moves by their inverse, and the places
// the changes touched return to where the memory says they stood before them.
// Taken back in the reverse order of making, this restores every place exactly.
MovedLists takeBackChanges(const ChangeMap &changes, std::span<const PlaceList> lists,
                     const std::vector<RememberedPlace> &memory);

// Makes the changes again after they were taken back: every place follows
// them, and the places they touched go where they stood when the changes were
// first made.
MovedLists makeChangesAgain(const ChangeMap &changes, std::span<const PlaceList> lists,
                      const std::vector<RememberedPlace> &memory);

} // namespace norvane
