"""Edition 3's own animal drawings: one hand-written SVG picture per page (kit.py holds the
shared pieces: faces, scenery), rendered to line art by recipe.LineArt."""
