#include "document/core/StoredPlaces.h"

namespace norvane {

namespace {

PlaceAfter placeAfter(const ChangeMap &changes, PlaceKind kind, int value)
{
    return kind == PlaceKind::Line ? changes.lineAfter(value) : changes.positionAfter(value);
}

// Sets a remembered place, noting whether that moved it.
void setPlace(int &place, int value, MovedLists &moved, std::size_t list)
{
    if (place != value) {
        place = value;
        moved[list] = true;
    }
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

MovedLists followChanges(const ChangeMap &changes, std::span<const PlaceList> lists,
                         std::vector<RememberedPlace> *memory)
{
    MovedLists moved(lists.size(), false);
    if (changes.empty())
        return moved;
    const PlaceReach lineReach = changes.lineReach();
    const PlaceReach positionReach = changes.positionReach();
    for (std::size_t list = 0; list < lists.size(); ++list) {
        const PlaceList &places = lists[list];
        const PlaceReach reach = places.kind == PlaceKind::Line ? lineReach : positionReach;
        if (reach.movesNothing())
            continue;
        bool listMoved = false;
        for (std::size_t index = 0; index < places.values.size(); ++index) {
            int &value = places.values[index];
            if (value < reach.floor)
                continue;
            if (value >= reach.ceiling) {
                value += reach.delta;
                listMoved = listMoved || reach.delta != 0;
                continue;
            }
            const PlaceAfter after = placeAfter(changes, places.kind, value);
            if (after.touched && memory != nullptr)
                memory->push_back({list, index, places.generation, value, after.value});
            listMoved = listMoved || after.value != value;
            value = after.value;
        }
        moved[list] = listMoved;
    }
    return moved;
}

MovedLists followChangesOfStep(std::span<const TextChange> changes, ChangeMap &step, std::span<const PlaceList> lists,
                               std::vector<RememberedPlace> &memory)
{
    ChangeMap run;
    for (const TextChange &change : changes)
        run.add(change);
    const std::size_t known = memory.size();
    MovedLists moved = followChanges(run, lists, &memory);
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
    return moved;
}

MovedLists makeChangesAgain(const ChangeMap &changes, std::span<const PlaceList> lists,
                            const std::vector<RememberedPlace> &memory)
{
    MovedLists moved = followChanges(changes, lists, nullptr);
    for (const RememberedPlace &remembered : memory) {
        if (int *place = placeOf(lists, remembered))
            setPlace(*place, remembered.after, moved, remembered.list);
    }
    return moved;
}

MovedLists takeBackChanges(const ChangeMap &changes, std::span<const PlaceList> lists,
                           const std::vector<RememberedPlace> &memory)
{
    const ChangeMap inverse = changes.inverse();
    MovedLists moved = followChanges(inverse, lists, nullptr);
    // The earliest memory of a place is where it stood before all the changes.
    for (auto remembered = memory.rbegin(); remembered != memory.rend(); ++remembered) {
        if (int *place = placeOf(lists, *remembered))
            setPlace(*place, remembered->before, moved, remembered->list);
    }
    return moved;
}

} // namespace norvane
