#include "document/core/StoredPlaces.h"

namespace norvane {

namespace {

PlaceAfter placeAfter(const ChangeMap &changes, PlaceKind kind, int value)
{
    return kind == PlaceKind::Line ? changes.lineAfter(value) : changes.positionAfter(value);
}

// The place a memory is of, when the list is still the one it was made of.
int *placeOf(std::span<const PlaceList> lists, const RememberedPlace &remembered)
{
    if (remembered.list >= lists.size())
        return nullptr;
    const PlaceList &places = lists[remembered.list];
    if (places.generation != remembered.generation || remembered.index >= places.values.size())
        return nullptr;
    return &places.values[remembered.index];
}

} // namespace

void followChanges(const ChangeMap &changes, std::span<const PlaceList> lists, std::vector<RememberedPlace> *memory)
{
    if (changes.empty())
        return;
    for (std::size_t list = 0; list < lists.size(); ++list) {
        const PlaceList &places = lists[list];
        for (std::size_t index = 0; index < places.values.size(); ++index) {
            int &value = places.values[index];
            const PlaceAfter after = placeAfter(changes, places.kind, value);
            if (after.touched && memory != nullptr)
                memory->push_back({list, index, places.generation, value, after.value});
            value = after.value;
        }
    }
}

void followChangesOfStep(std::span<const TextChange> changes, ChangeMap &step, std::span<const PlaceList> lists,
                         std::vector<RememberedPlace> &memory)
{
    ChangeMap run;
    for (const TextChange &change : changes)
        run.add(change);
    const std::size_t known = memory.size();
    followChanges(run, lists, &memory);
    if (memory.size() > known && !step.empty()) {
        // A place the step's earlier changes left untouched comes back exactly
        // through their inverse: there it stood before the step.
        const ChangeMap back = step.inverse();
        for (std::size_t k = known; k < memory.size(); ++k) {
            RememberedPlace &remembered = memory[k];
            remembered.before = placeAfter(back, lists[remembered.list].kind, remembered.before).value;
        }
    }
    for (const TextChange &change : changes)
        step.add(change);
    // Where the step leaves them so far, for making it again after an undo.
    for (RememberedPlace &remembered : memory) {
        if (const int *place = placeOf(lists, remembered))
            remembered.after = *place;
    }
}

void makeChangesAgain(const ChangeMap &changes, std::span<const PlaceList> lists,
                      const std::vector<RememberedPlace> &memory)
{
    followChanges(changes, lists, nullptr);
    for (const RememberedPlace &remembered : memory) {
        if (int *place = placeOf(lists, remembered))
            *place = remembered.after;
    }
}

void takeBackChanges(const ChangeMap &changes, std::span<const PlaceList> lists,
                     const std::vector<RememberedPlace> &memory)
{
    const ChangeMap inverse = changes.inverse();
    followChanges(inverse, lists, nullptr);
    // The earliest memory of a place is where it stood before all the changes.
    for (auto remembered = memory.rbegin(); remembered != memory.rend(); ++remembered) {
        if (int *place = placeOf(lists, *remembered))
            *place = remembered->before;
    }
}

} // namespace norvane
