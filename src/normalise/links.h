#pragma once

class Engine;

// Finds the first web or FTP address of the message, keeps it whole and cuts its body out of
// the phrase, so that normalisation cannot damage it; only its prefix stays in the phrase.
void DetectLinks(Engine& engine);
