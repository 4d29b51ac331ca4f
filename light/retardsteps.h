#pragma once

// The retarding-voltage scroll bar's steps, coarser as the voltage grows.
struct RetardSteps
{
    int small;
    int large;
};

RetardSteps retardStepsAt(int position);
