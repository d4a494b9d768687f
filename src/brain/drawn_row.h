#pragma once

#include <QString>

// A SELECT that draws one row of `table` at random ("ORDER BY RAND() LIMIT 1") among the rows
// `where` finds; with a `ranking` expression, among the rows of its lowest value, which the
// result carries as the column "draw_rank". The draw sorts only the rows' keys and fetches the
// whole drawn row by its key in the same statement: sorting whole rows with their MEDIUMTEXT
// columns makes the server write a temporary table to disk on every statement, keys alone stay
// in memory. The parameters of `ranking` come before those of `where`.
inline QString DrawnRowStatement(const QString& table, const QString& where,
                                 const QString& ranking = {}) {
    const bool ranked = !ranking.isEmpty();
    return "SELECT drawn.*" + QString(ranked ? ", pick.draw_rank" : "") + " FROM (SELECT `index`" +
           (ranked ? ", " + ranking + " AS draw_rank" : QString()) + " FROM " + table + " WHERE " +
           where + " ORDER BY " + (ranked ? "draw_rank, " : "") + "RAND() LIMIT 1) AS pick JOIN " +
           table + " AS drawn USING (`index`)";
}
