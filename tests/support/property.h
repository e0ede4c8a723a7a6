#pragma once

#include <QTest>
#include <rapidcheck.h>

// Checks a property over generated cases inside a Qt test function; RapidCheck
// prints the smallest failing case it finds.
#define QCHECK_PROPERTY(description, ...) \
    QVERIFY2(rc::check(description, __VA_ARGS__), description)
