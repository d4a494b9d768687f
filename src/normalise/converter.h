#pragma once

class Engine;

// The moderators' commands "[DISABLECONVERTER]" and "[ENABLECONVERTER]": whether answers keep
// their Latvian letters or write them as letter pairs.
void ToggleConverter(Engine& engine);
