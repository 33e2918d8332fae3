#pragma once

#include <array>
#include <cstdint>

namespace croquel {

// A pellet is eaten when the player's (left, top) is exactly its cell; the
// image's own position plays no part.
struct PelletRow {
    int image;  // Image<n> of the game window
    std::int16_t left;
    std::int16_t top;
};

// In the order every referee tick tests them.
inline constexpr std::array<PelletRow, 42> pelletTable{{
    {4, 670, 50},     {3, 1290, 50},    {5, 1910, 50},    {7, 2530, 50},    {33, 3150, 50},   {34, 3770, 50},
    {6, 50, 670},     {35, 3770, 670},  {8, 50, 1290},    {36, 3770, 1290}, {9, 50, 1910},    {28, 1910, 1910},
    {31, 2530, 1910}, {32, 3150, 1910}, {37, 3770, 1910}, {10, 50, 2530},   {29, 1910, 2530}, {11, 50, 3150},
    {30, 1910, 3150}, {39, 2530, 3150}, {42, 3150, 3150}, {43, 3770, 3150}, {12, 50, 3770},   {44, 3770, 3770},
    {13, 50, 4390},   {45, 3770, 4390}, {14, 50, 5010},   {15, 670, 5010},  {16, 1290, 5010}, {17, 1910, 5010},
    {38, 2530, 5010}, {46, 3150, 5010}, {47, 3770, 5010}, {21, 50, 5630},   {40, 2530, 5630}, {22, 50, 6250},
    {23, 670, 6250},  {24, 1290, 6250}, {25, 1910, 6250}, {41, 2530, 6250}, {48, 3150, 6250}, {49, 3770, 6250},
}};

}  // namespace croquel
