#pragma once

class Engine;
class InterfaceIndexes;

// Finds one answer for the phrase in its interface table: exact or mixed-word tries A to E that
// relax category, daytime and personality step by step, then advanced data matching, in which
// stored questions act as patterns. A contextual phrase that finds nothing is tried once more
// with its context keywords alone. `indexes` keeps the copies of the stored questions that
// narrow the searches which would otherwise read the whole table.
void LookupAnswer(Engine& engine, InterfaceIndexes& indexes);
// Builds the copies of both interface tables now, when the settings will have the lookup use
// them.
void PrepareAnswerLookup(Engine& engine, InterfaceIndexes& indexes);
