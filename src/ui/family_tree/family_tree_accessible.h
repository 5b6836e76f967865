#pragma once

class QAccessibleInterface;

namespace pelorin {

class FamilyTreeView;

// The family tree as a screen reader hears it: a list of its cells, top to
// bottom and left to right, each named by its picture's number ("Picture
// 3", ", run of 8 Dec 2026 14:02" for another run's, ", closed" for a
// closed one) and described by its origin line. Each cell holds a link to
// each of its parents ("Parent: Picture 1"), then to each of its children
// ("Child: Picture 5"); pressing a link makes that picture's cell current.
// A cell's Press action opens its picture, as Enter does.
QAccessibleInterface* makeFamilyTreeAccessible(FamilyTreeView* view);

}  // namespace pelorin
