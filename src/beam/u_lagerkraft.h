#pragma once
// Where a truss-force load (kind 17) takes its force from: the project that holds the variant.
class Lagerkraftquelle {
public:
    virtual ~Lagerkraftquelle() = default;
    // Berechnet + Eigenlast of the support in N; 0 when truss, variant or support is not found.
    virtual double Lagerkraft(int traverse, int variante, int lager) const = 0;
};
