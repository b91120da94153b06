#pragma once
// The program's pictures (icons, tab pictures, button glyphs) live in a static library.

// Makes the resources available; safe to call more than once.
void InitQuendrixResources();
