#pragma once

class Engine;

// "Answer On P.M. (Intelligent Mode)": may veto the answer to a channel message that did not
// address the character, so that it joins a conversation only while it is part of it.
void PublicAnswerGate(Engine& engine);
