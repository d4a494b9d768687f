#pragma once

class Engine;

// Names the time of day of this cycle and fixes its date and time texts.
void ClassifyDaytime(Engine& engine);
// A message with "?" anywhere is a question and is looked up among the questions.
void ClassifyInterface(Engine& engine);
