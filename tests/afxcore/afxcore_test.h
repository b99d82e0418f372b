// Helpers shared by the layer's core tests.
#pragma once
#include <gtest/gtest.h>
#include <afx.h>

// True when fn throws an E* for which pred holds; the exception is deleted. False when fn
// returns normally.
template <class E, class F, class P> bool Throws(F fn, P pred)
{
    try
    {
        fn();
    }
    catch (E* e)
    {
        bool ok = pred(e);
        e->Delete();
        return ok;
    }
    return false;
}
template <class E, class F> bool Throws(F fn)
{
    return Throws<E>(fn, [](E*) { return true; });
}
