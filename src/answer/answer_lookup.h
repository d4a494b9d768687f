#pragma once

class Engine;

// Finds one answer for the phrase in its interface table: exact or mixed-word tries A to E that
// relax category, daytime and personality step by step, then advanced data matching, in which
// stored questions act as patterns. A contextual phrase that finds nothing is tried once more
// with its context keywords alone.
void LookupAnswer(Engine& engine);
