#pragma once

#include <rapidcheck.h>
#include <QTest>

// Checks a property over generated cases inside a Qt test function; RapidCheck
// prints the smallest failing case it finds.
#define QCHECK_PROPERTY(description, ...) QVERIFY2(rc::check(description, __VA_ARGS__), description)

#include <QList>
#include <vector>

// RapidCheck chooses from standard containers.
template <class T>
std::vector<T> choices(const QList<T>& list) {
    return std::vector<T>(list.begin(), list.end());
}
