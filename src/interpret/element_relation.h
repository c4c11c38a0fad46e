// How a star's element stands to its palace's element. Elements are numbered
// 0 水, 1 木, 2 金, 3 土, 4 火, and -1 for none.
#pragma once

namespace zelk {

// Indexes of the relation words 生, 剋, 無.
enum Relation : int { kRelationGenerating = 0, kRelationControlling = 1, kRelationNone = 2 };

// On the generating cycle 水 木 火 土 金 (and back to 水), neighbours and equals
// count as 生, elements two or three steps apart as 剋; an element that is none
// (or out of range) gives 無.
Relation ElementRelation(int starElement, int palaceElement);

} // namespace zelk
