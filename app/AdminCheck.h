#pragma once

// Whether the user is a member of the Administrators group.
bool IsUserAdministrator();

// Wine always runs its user as an administrator; tests replace the check to see the other road.
using AdministratorCheck = bool (*)();
void SetAdministratorCheckForTesting(AdministratorCheck check);
