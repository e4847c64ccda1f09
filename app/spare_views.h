// SpareViews: one hidden, not yet initialised form view of each book, made while
// the program is idle, so that a book switch shows a form whose windows already
// exist. Building a form of some sixty controls is the slowest part of a switch;
// done ahead, the switch only fills and paints it. A spare belongs to no
// document until it is taken, and the framework leaves such a view alone.
#pragma once

#include "../framework/object.h"

#include <map>

class CFrameWnd;
class CView;

class SpareViews {
public:
    SpareViews() = default;
    SpareViews(const SpareViews&) = delete;
    SpareViews& operator=(const SpareViews&) = delete;

    // Makes the spare of the first book that has none, hidden, as a child of frame.
    // FALSE when every book already had one, so nothing was done.
    bool MakeOne(CFrameWnd* frame);
    // The spare view of viewClass, handed over (it is no longer kept), or nullptr.
    CView* Take(const CRuntimeClass* viewClass);
    bool Has(const CRuntimeClass* viewClass) const;

private:
    std::map<const CRuntimeClass*, CView*> m_views;
};
