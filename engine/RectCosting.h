#pragma once
// Costing of rectangular sheet-metal items. Each operation returns the price,
// fills Area, InsArea, Weight (and CentreLength where the item has one) and
// leaves GaugeUsed and FlangeUsed in engine.outputs. A failed operation throws
// EEngineError and changes neither the quantities nor the outputs.
#include "engine/Engine.h"

namespace korvane {

// Sides in mm, lengths in m, angles in degrees.
double CalcStraightRect(TEngine &engine, double Width, double Height, double Length,
                        TItemQuantities &q);
// Also prices each leg of a Y-piece (90 degrees).
double CalcRadiusBend(TEngine &engine, double Width, double Height, double Angle, bool Vanes,
                      TItemQuantities &q);
// A reducing square bend is priced as the square bend of its larger width.
double CalcSquareBend(TEngine &engine, double Width, double Height, bool Vanes, TItemQuantities &q);
double CalcSquareToRound(TEngine &engine, double Width, double Height, double Diameter,
                         double Length, TItemQuantities &q);
double CalcTaper(TEngine &engine, double Width1, double Height1, double Width2, double Height2,
                 double Length, TItemQuantities &q);
double CalcSquareStopEnd(TEngine &engine, double Width, double Height, TItemQuantities &q);

// Turning vanes of a radius bend, m²: up to four vanes by width.
double RadiusVaneArea(double Angle, double Height, double Width);
// Turning vanes of a square bend, m²: a count by width, each vane narrow or wide.
double SquareVaneCount(double Width);
double SquareVaneArea(double Width, double Height);
// Labour hours to make a square-to-round transition, by its diameter (mm).
double Sq2RLabourHours(double Diameter);

} // namespace korvane
