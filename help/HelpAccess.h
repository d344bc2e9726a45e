// The readme viewer and the about box for screen readers and keyboard users.
#pragma once

class TAboutBox;
class TReadmeBox;

void MakeReadmeBoxAccessible(TReadmeBox* box);
void MakeAboutBoxAccessible(TAboutBox* box);
