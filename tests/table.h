// Data-driven cases of a function: each row, named by its first field, holds the
// arguments and then the expected result. Each is a QTest row of its own, so
// every row runs after another fails and any one runs alone
// (test_core flows:"V-notch 90").
#pragma once

#include <QTest>

#include <initializer_list>
#include <tuple>
#include <type_traits>

template <typename Signature> struct Cases;
template <typename R, typename... A> struct Cases<R(A...)> {
    static void columns()
    {
        QTest::addColumn<std::tuple<A...>>("arguments");
        QTest::addColumn<R>("expected");
    }
    static void add(const char *tag, const A &...a, const R &e) { QTest::newRow(tag) << std::tuple(a...) << e; }
    static void rows(std::initializer_list<std::tuple<const char *, A..., R>> rows)
    {
        columns();
        for (const auto &row : rows) std::apply(add, row);
    }
    // The running row's result from f against the expected one; numbers to the
    // bit, not by QCOMPARE's fuzzy equality.
    template <typename F> static void check(F f)
    {
        using Arguments = std::tuple<A...>;
        QFETCH(Arguments, arguments);
        QFETCH(R, expected);
        const R got = std::apply(f, arguments);
        if constexpr (std::is_floating_point_v<R>)
            QCOMPARE(QString::number(got, 'g', 17), QString::number(expected, 'g', 17));
        else
            QCOMPARE(got, expected);
    }
};
