// The login window's controls named for screen readers; its question read out as it appears.
#pragma once

class TLoginForm;

void MakeLoginWindowAccessible(TLoginForm* form);
