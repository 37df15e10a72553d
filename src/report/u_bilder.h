#pragma once
// The program's pictures live as resources ":/bilder/<name>.svg" and ":/werkzeuge/<name>.svg"
// inside the drawing library; a static library must register them once before use.
void BilderBereitstellen();
