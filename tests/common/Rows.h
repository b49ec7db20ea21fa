#pragma once

// Data tables of whole cases. A table is a list of brace-initialised
// structures whose first member is the row's name; the test fetches the case
// whole. A result structure declared with ROW_FIELDS prints as
// "{field: value, ...}" when a comparison fails.

#include <QDebug>
#include <QTest>

#include <memory>
#include <optional>

namespace Rows {

// One row per case, in the table's single column.
template<typename Case>
void add(std::initializer_list<Case> cases)
{
    QTest::addColumn<Case>("case");
    for (const Case &c : cases)
        QTest::newRow(c.name) << c;
}

// The case of the row running.
template<typename Case>
const Case &current()
{
    return *static_cast<const Case *>(QTest::qData("case", qMetaTypeId<Case>()));
}

// A list for a member of a row. A row written with calls stays packed on a
// few lines, where the formatter gives each member a line of its own as soon
// as one of them is in braces.
template<typename T = QString, typename... Items>
QList<T> list(const Items &...items)
{
    return QList<T>{T(items)...};
}

template<typename T>
QString text(const T &value)
{
    if constexpr (std::is_enum_v<T>) {
        return QString::number(qToUnderlying(value));
    } else if constexpr (QTypeTraits::has_ostream_operator_v<QDebug, T>) {
        QString out;
        QDebug(&out).nospace() << value;
        return out;
    } else if constexpr (requires { value.begin(), value.end(); }) {
        QStringList items;
        for (const auto &item : value)
            items << text(item);
        return u'[' + items.join(QStringLiteral(", ")) + u']';
    } else {
        using QTest::toString;
        const std::unique_ptr<char[]> out(toString(value));
        return QString::fromUtf8(out ? out.get() : "?");
    }
}

template<typename T>
QString text(const std::optional<T> &value)
{
    return value ? text(*value) : QStringLiteral("none");
}

template<typename... Values>
char *describe(const char *names, const Values &...values)
{
    const QStringList fields = QString::fromLatin1(names).split(QStringLiteral(", "));
    const QStringList texts{text(values)...};
    QStringList out;
    for (qsizetype i = 0; i < texts.size(); ++i)
        out << fields.value(i) + QStringLiteral(": ") + texts[i];
    return qstrdup(('{' + out.join(QStringLiteral(", ")) + '}').toUtf8().constData());
}

} // namespace Rows

// Every member of Type, in order, named for a failing comparison.
#define ROW_FIELDS(Type, ...) \
    [[maybe_unused]] inline char *toString(const Type &v) \
    { \
        const auto &[__VA_ARGS__] = v; \
        return Rows::describe(#__VA_ARGS__, __VA_ARGS__); \
    }
