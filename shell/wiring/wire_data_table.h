#pragma once

// The data-table window's one-owner calls (printing). Run once at start-up.

void RegisterDataTable();
