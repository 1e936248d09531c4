built
